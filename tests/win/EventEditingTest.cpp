#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogIds.h"
#include "base/Files.h"
#include "events/NewEventTree.h"
#include "events/ScriptedFileDialogs.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "ui/EventEditing.h"
#include "win/DialogScript.h"

namespace zorvat::ui {
namespace {

using testing::DialogScript;

constexpr std::string_view kListFile =
    "[BaseInfo]\r\n"
    "ProgID=Brumsel! Zorvat v1.1\r\n"
    "[General]\r\n"
    "24.12.1998 18:30:00=0|Christmas dinner||0|1\r\n"
    "[Daily]\r\n"
    "07:15:00=3|C:\\Data\\work.mdb|D:\\Backup\\work.mdb|1|0\r\n";

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  time.wSecond = second;
  return time;
}

bool IsEnabled(HWND dialog, int id) {
  return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// A list document read from a file (so nothing is dirty), German formats, the real dialogs
// driven by a script, the prompts scripted.
class EventEditingTest : public ::testing::Test {
 protected:
  EventEditingTest() {
    const std::string file = folder.File("list.zrl");
    ReplaceFileAtomically(file, kListFile);
    document.ReadFile(file);
  }

  const EventRecord& Record(EventKind kind, std::size_t i) const {
    return document.Lists()[kind][i];
  }
  const EventRow& Row(EventKind kind, std::size_t i) const { return document.Rows(kind)[i]; }

  testing::TempFolder folder;
  testing::ScriptedPrompts prompts;
  testing::ScriptedFileDialogs files;
  ManualClock clock{EncodeDateTime({2026, 3, 5}, {10, 0, 0, 0})};
  ListDocument document{prompts, files, clock, RegionalFormats::DeDe(), folder.Path()};
  LiveSettings live;
  EventEditing editing{document, prompts, clock, live, SystemPropertiesDialog(prompts)};
  DialogScript script;
};

TEST_F(EventEditingTest, NewSingleEventGetsThePickedDateAndTimeItsRowAndTheDirtyFlag) {
  std::string heading;
  bool dateEnabled = false;
  script
      .At("properties",
          [&](HWND dialog) {
            heading = DialogScript::ItemText(dialog, IDC_HEADING);
            dateEnabled = IsEnabled(dialog, IDC_DATE);
            testing::SetPickerValue(GetDlgItem(dialog, IDC_DATE), At(2027, 3, 14, 8, 0, 0));
            testing::SetPickerValue(GetDlgItem(dialog, IDC_TIME), At(2026, 3, 5, 21, 45, 30));
            return true;
          })
      .Press("properties", IDC_PARAMETERS)
      .Type("Message", IDC_OPERAND1, "Tee")
      .Press("Message", IDOK)
      .Press("properties", IDOK);

  ASSERT_TRUE(editing.NewEvent(nullptr, EventKind::General, 1));
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(heading, "New Zorvat: Event");
  EXPECT_TRUE(dateEnabled);
  ASSERT_EQ(document.Lists()[EventKind::General].Count(), 2u);
  const Task& task = Record(EventKind::General, 1).task;
  EXPECT_EQ(task.time, EncodeDateTime({2027, 3, 14}, {21, 45, 30, 0}));
  EXPECT_EQ(task.command, kCmdMessage);
  EXPECT_EQ(task.operand1, "Tee");
  EXPECT_EQ(Row(EventKind::General, 1).caption, "14.03.2027 21:45:30");
  EXPECT_EQ(Row(EventKind::General, 1).eventText, "Message: \"Tee\"");
  EXPECT_TRUE(Row(EventKind::General, 1).checked);
  EXPECT_TRUE(document.Dirty());
}

// The execute stage never asks before a message or an alert, so the dialog's query radios
// do not count for them.
TEST_F(EventEditingTest, MessageAndAlertStoreADashAndNoQuery) {
  const struct {
    int treeItem;
    std::string_view queryText;
    bool query;
  } cases[] = {{1, "-", false}, {2, "-", false}, {3, "Yes", true}};
  std::size_t row = document.Lists()[EventKind::Weekly].Count();
  for (const auto& c : cases) {
    script
        .At("properties",
            [](HWND dialog) {
              CheckRadioButton(dialog, IDC_QUERY_YES, IDC_QUERY_NO, IDC_QUERY_YES);
              return true;
            })
        .Press("properties", IDOK);
    ASSERT_TRUE(editing.NewEvent(nullptr, EventKind::Weekly, c.treeItem));
    EXPECT_EQ(Row(EventKind::Weekly, row).queryText, c.queryText) << c.treeItem;
    EXPECT_EQ(Record(EventKind::Weekly, row).task.query, c.query) << c.treeItem;
    ++row;
  }
  EXPECT_FALSE(script.TimedOut());
}

TEST_F(EventEditingTest, PropertiesShowTheOperandsAndKeepThemAndTheActiveState) {
  live.newEventActive = true;
  const EventRecord before = Record(EventKind::Daily, 0);
  ASSERT_FALSE(before.active);
  std::string heading;
  bool dateEnabled = true;
  std::vector<std::string> shown;
  script
      .At("properties",
          [&](HWND dialog) {
            heading = DialogScript::ItemText(dialog, IDC_HEADING);
            dateEnabled = IsEnabled(dialog, IDC_DATE);
            return true;
          })
      .Press("properties", IDC_PARAMETERS)
      .At("Copy file",
          [&](HWND dialog) {
            shown = {DialogScript::ItemText(dialog, IDC_OPERAND1),
                     DialogScript::ItemText(dialog, IDC_OPERAND2)};
            return true;
          })
      .Press("Copy file", IDOK)
      .Press("properties", IDOK);

  ASSERT_TRUE(editing.EditProperties(nullptr, EventKind::Daily, 0));
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(heading, "Zorvat: daily");
  EXPECT_FALSE(dateEnabled);
  EXPECT_EQ(shown, (std::vector<std::string>{"C:\\Data\\work.mdb", "D:\\Backup\\work.mdb"}));
  EXPECT_EQ(Record(EventKind::Daily, 0), before);
  EXPECT_FALSE(Row(EventKind::Daily, 0).checked);
  EXPECT_EQ(Row(EventKind::Daily, 0).caption, "07:15:00");
}

TEST_F(EventEditingTest, CancelLeavesRecordRowAndDirtyFlag) {
  const EventRecord record = Record(EventKind::Daily, 0);
  const EventRow row = Row(EventKind::Daily, 0);
  script.Press("properties", IDC_PARAMETERS)
      .Type("Copy file", IDC_OPERAND1, "C:\\other.txt")
      .Press("Copy file", IDOK)
      .Choose("properties", IDC_COMMAND, kCmdReboot)
      .Press("properties", IDCANCEL);

  EXPECT_FALSE(editing.EditProperties(nullptr, EventKind::Daily, 0));
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(Record(EventKind::Daily, 0), record);
  EXPECT_EQ(Row(EventKind::Daily, 0), row);
  EXPECT_FALSE(document.Dirty());
}

// What one parameter dialog confirmed, the next one shows, whatever command it belongs to.
TEST_F(EventEditingTest, ParameterDialogsShareTheTwoOperands) {
  std::vector<std::string> shown;
  script.Press("properties", IDC_PARAMETERS)
      .Type("Message", IDC_OPERAND1, "C:\\hello.txt")
      .Press("Message", IDOK)
      .Choose("properties", IDC_COMMAND, kCmdCopyFile)
      .Press("properties", IDC_PARAMETERS)
      .At("Copy file",
          [&](HWND dialog) {
            shown = {DialogScript::ItemText(dialog, IDC_OPERAND1),
                     DialogScript::ItemText(dialog, IDC_OPERAND2)};
            return true;
          })
      .Type("Copy file", IDC_OPERAND2, "C:\\there.txt")
      .Press("Copy file", IDOK)
      .Press("properties", IDOK);

  ASSERT_TRUE(editing.NewEvent(nullptr, EventKind::Monthly, 1));
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(shown, (std::vector<std::string>{"C:\\hello.txt", ""}));
  const Task& task = Record(EventKind::Monthly, 0).task;
  EXPECT_EQ(task.command, kCmdCopyFile);
  EXPECT_EQ(task.operand1, "C:\\hello.txt");
  EXPECT_EQ(task.operand2, "C:\\there.txt");
}

TEST_F(EventEditingTest, DeleteAndUndeleteAskTheirQuestionsWordForWord) {
  prompts.Answer(PromptAnswer::No);
  prompts.Answer(PromptAnswer::Yes);
  prompts.Answer(PromptAnswer::Yes);
  EXPECT_FALSE(editing.Delete(EventKind::General, 0));
  EXPECT_FALSE(Record(EventKind::General, 0).deleted);
  EXPECT_TRUE(editing.Delete(EventKind::General, 0));
  EXPECT_EQ(Row(EventKind::General, 0).eventText, "[removed]");
  EXPECT_TRUE(editing.Undelete(EventKind::Daily, 0));
  EXPECT_FALSE(editing.Delete(EventKind::Weekly, std::nullopt));

  const std::string deleteQuestion =
      "Remove Zorvat \n\nReally delete event \"Message: \"Christmas dinner\"\" (Datum: "
      "24.12.1998 18:30:00) ?";
  ASSERT_EQ(prompts.shown.size(), 3u);
  EXPECT_EQ(prompts.shown[0].text, deleteQuestion);
  EXPECT_EQ(prompts.shown[1].text, deleteQuestion);
  EXPECT_EQ(prompts.shown[2].text,
            "Undelete Zorvat\n\nRecreate Zorvat \"Copy file, from \"C:\\Data\\work.mdb\" to "
            "\"D:\\Backup\\work.mdb\"\" ?");
  for (const auto& box : prompts.shown) {
    EXPECT_EQ(box.title, "Brumsel! Zorvat");
    EXPECT_EQ(box.icon, PromptIcon::Confirmation);
    EXPECT_EQ(box.buttons, PromptButtons::YesNo);
  }
}

// OK without a chosen command: a new event needs one, so the dialog stays open; an existing
// event whose command the list does not offer (read from a file) is confirmed as it was.
TEST(PropertiesDialog, OkWithoutAChosenCommandNeedsAChoiceOnlyForANewEvent) {
  testing::ScriptedPrompts prompts;
  const EventProperties in{0, 0.5, kCmdCleared, false, {"a", "b"}};
  {
    DialogScript script;
    script.Press("properties", IDOK)
        .Choose("properties", IDC_COMMAND, kCmdReboot)
        .Press("properties", IDOK);
    const auto out = EditEventProperties(nullptr, prompts, EventKind::Daily, true, in,
                                         SystemParameterDialogs(prompts));
    EXPECT_TRUE(script.Finished());
    ASSERT_TRUE(out);
    EXPECT_EQ(out->command, kCmdReboot);
    EXPECT_EQ(out->operands, (Operands{"a", "b"}));
  }
  DialogScript script;
  script.Press("properties", IDOK);
  const auto out = EditEventProperties(nullptr, prompts, EventKind::Daily, false, in,
                                       SystemParameterDialogs(prompts));
  EXPECT_TRUE(script.Finished());
  ASSERT_TRUE(out);
  EXPECT_EQ(out->command, -1);  // kept by the core's confirmation
}

// The tree hands the dialog its command; group items open nothing.
TEST(EventEditingCommands, TreeItemsOpenTheDialogWithTheirCommand) {
  testing::TempFolder folder;
  testing::ScriptedPrompts prompts;
  testing::ScriptedFileDialogs files;
  const DateTime now = EncodeDateTime({2026, 3, 5}, {10, 0, 0, 0});
  ManualClock clock{now};
  ListDocument document{prompts, files, clock, RegionalFormats::DeDe(), folder.Path()};
  LiveSettings live;
  live.newEventQuery = false;
  std::vector<EventProperties> opened;
  EventEditing editing{document, prompts, clock, live,
                       [&](HWND, EventKind, bool newEvent, const EventProperties& in) {
                         EXPECT_TRUE(newEvent);
                         opened.push_back(in);
                         return std::nullopt;
                       }};
  // Every item of the tree in turn; which command each holds the core's tests pin.
  const auto items = NewEventTreeItems();
  std::vector<int> expected;
  for (std::size_t i = 0; i < items.size(); ++i) {
    editing.NewEvent(nullptr, EventKind::Daily, static_cast<int>(i));
    if (items[i].command) {
      expected.push_back(*items[i].command);
    }
  }
  std::vector<int> commands;
  commands.reserve(opened.size());
  for (const EventProperties& in : opened) {
    commands.push_back(in.command);
  }
  EXPECT_EQ(commands, expected);
  ASSERT_FALSE(opened.empty());
  EXPECT_EQ(opened[0], (EventProperties{now, now, kCmdMessage, false, {}}));
}

TEST(EventEditingCommands, AFullListRefusesANewEventAndOpensNoDialog) {
  testing::TempFolder folder;
  testing::ScriptedPrompts prompts;
  testing::ScriptedFileDialogs files;
  ManualClock clock;
  ListDocument document{prompts, files, clock, RegionalFormats::DeDe(), folder.Path()};
  for (std::size_t i = 0; i < EventList::kCapacity; ++i) {
    const Task reboot{0.5, kCmdReboot, "", "", false};
    ASSERT_TRUE(document.AppendEvent(EventKind::Weekly, {reboot, true, false}, "No"));
  }
  LiveSettings live;
  bool opened = false;
  EventEditing editing{document, prompts, clock, live,
                       [&](HWND, EventKind, bool, const EventProperties&) {
                         opened = true;
                         return std::nullopt;
                       }};
  EXPECT_FALSE(editing.NewEvent(nullptr, EventKind::Weekly, 12));
  EXPECT_FALSE(opened);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text,
            "Brumsel! Zorvat\n\nThe list holds at most 256 events of one kind.");
}

}  // namespace
}  // namespace zorvat::ui
