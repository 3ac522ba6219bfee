#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "events/NewEventTree.h"
#include "events/TaskKinds.h"

namespace zorvat {
namespace {

struct ShownItem {
  std::string caption;
  int icon;
  int depth;
  int command;  // -1: a group item
  friend bool operator==(const ShownItem&, const ShownItem&) = default;
  friend std::ostream& operator<<(std::ostream& out, const ShownItem& item) {
    return out << item.caption << " (icon " << item.icon << ", depth " << item.depth << ", command "
               << item.command << ")";
  }
};

// What the tree shows, and what a double click on each item starts; the last two items leave
// the command order.
TEST(NewEventTree, ItemsIconsNestingAndTheCommandEachStarts) {
  const std::vector<ShownItem> expected = {
      {"new Zorvat", 10, 0, -1},  {"Message", 9, 1, 0},       {"Alert", 12, 1, 1},
      {"AppStart", 5, 1, 2},      {"Fileroutines", 6, 1, -1}, {"Copy", 0, 2, 3},
      {"Rename", 11, 2, 4},       {"Delete", 1, 2, 5},        {"Systemevents", 8, 1, -1},
      {"Exit", 2, 2, -1},         {"Exit Windows", 2, 3, 6},  {"Turn off computer", 2, 3, 7},
      {"Reboot", 8, 3, 8},        {"MS-DOS mode", 3, 3, 9},   {"Display resolution", 2, 2, 11},
      {"Log off user", 4, 2, 10},
  };
  std::vector<ShownItem> shown;
  for (const NewEventTreeItem& item : NewEventTreeItems()) {
    shown.push_back({std::string(item.caption), static_cast<int>(item.icon), item.depth,
                     item.command ? *item.command : -1});
  }
  EXPECT_EQ(shown, expected);
  for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
    const std::optional<std::uint8_t> command = NewEventCommand(i);
    EXPECT_EQ(command ? *command : -1, expected[i].command) << "tree index " << i;
  }
  EXPECT_EQ(NewEventCommand(-1), std::nullopt);
  EXPECT_EQ(NewEventCommand(16), std::nullopt);
}

TEST(CommandChoices, EntriesCodesAndParameterDialogs) {
  std::vector<std::string_view> entries;
  entries.reserve(kTaskKinds.size());
  for (const TaskKind& kind : kTaskKinds) {
    entries.push_back(kind.name);
  }
  EXPECT_EQ(entries, (std::vector<std::string_view>{
                         "Message", "Alert", "AppStart", "Copy file", "Rename file", "Delete file",
                         "Exit Windows", "Turn off computer", "Reboot", "MS-DOS mode",
                         "Log off user", "Display resolution", "ControlPanel"}));
  const struct {
    int index;
    int code;
    ParameterDialog dialog;
  } cases[] = {
      {-1, 255, ParameterDialog::None},    {0, 0, ParameterDialog::Message},
      {1, 1, ParameterDialog::Alert},      {2, 2, ParameterDialog::AppStart},
      {3, 3, ParameterDialog::CopyFile},   {4, 4, ParameterDialog::RenameFile},
      {5, 5, ParameterDialog::DeleteFile}, {6, 6, ParameterDialog::None},
      {10, 10, ParameterDialog::None},     {11, 11, ParameterDialog::DisplayMode},
      {12, 12, ParameterDialog::None},     {13, 255, ParameterDialog::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommandOfChoice(c.index), c.code) << "index " << c.index;
    EXPECT_EQ(ParameterDialogFor(c.index), c.dialog) << "index " << c.index;
  }
}

}  // namespace
}  // namespace zorvat
