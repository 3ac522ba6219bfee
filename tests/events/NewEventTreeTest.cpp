#include <gtest/gtest.h>

#include "events/CommandChoices.h"
#include "events/NewEventTree.h"

namespace zorvat {
namespace {

TEST(NewEventCommand, GroupItemsAndNoItemStartNothing) {
  // Tree index -> command code; -1 for none. The last two rows leave the command order.
  const int expected[] = {-1, 0, 1, 2, -1, 3, 4, 5, -1, -1, 6, 7, 8, 9, 11, 10};
  for (int i = 0; i < 16; ++i) {
    const std::optional<std::uint8_t> command = NewEventCommand(i);
    EXPECT_EQ(command ? *command : -1, expected[i]) << "tree index " << i;
  }
  EXPECT_EQ(NewEventCommand(-1), std::nullopt);
  EXPECT_EQ(NewEventCommand(16), std::nullopt);
}

TEST(NewEventTreeItems, FormOneTreeUnderTheRoot) {
  const auto items = NewEventTreeItems();
  ASSERT_EQ(items.size(), 16u);
  EXPECT_EQ(items[0].depth, 0);
  for (std::size_t i = 1; i < items.size(); ++i) {
    EXPECT_GE(items[i].depth, 1) << items[i].caption;
    EXPECT_LE(items[i].depth, items[i - 1].depth + 1) << items[i].caption;
    // Only leaves start events: an item with children is a group.
    if (i + 1 < items.size() && items[i + 1].depth > items[i].depth) {
      EXPECT_EQ(items[i].command, std::nullopt) << items[i].caption;
    }
  }
}

TEST(CommandChoices, CodeAndParameterDialogOfEachIndex) {
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
