// What each command does once it runs, and what it asks before.
#include "scheduler/TaskActions.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Error.h"
#include "scheduler/SchedulerDoubles.h"

namespace zorvat::testing {
namespace {

struct CommandCase {
  std::uint8_t command;
  const char* op1;
  const char* op2;
  const char* question;  // nullptr: never asks
  const char* call;      // what the shell is asked to do
};

const CommandCase kCommands[] = {
    {kCmdAppStart, "C:\\Tools\\report.exe", "/monthly",
     "Brumsel! Zorvat\n\nExecute Zorvat \"C:\\Tools\\report.exe\" now?",
     "start C:\\Tools\\report.exe /monthly"},
    {kCmdCopyFile, "a.mdb", "D:\\b.mdb",
     "Brumsel! Zorvat\n\nCopy file \"a.mdb\" to \"D:\\b.mdb\" ?", "copy a.mdb -> D:\\b.mdb"},
    {kCmdRenameFile, "old.txt", "new.txt",
     "Brumsel! Zorvat\n\nRename file \"old.txt\" to \"new.txt\" ?", "move old.txt -> new.txt"},
    {kCmdDeleteFile, "notes.txt", "", "Brumsel! Zorvat\n\nDelete file \"notes.txt\" ?",
     "delete notes.txt"},
    {kCmdExitWindows, "", "", "Brumsel! Zorvat\n\nWhat about exiting Windows?", "end session 3"},
    {kCmdTurnOff, "", "", "Brumsel! Zorvat\n\nTurn off the computer now (ATX only)?",
     "end session 4"},
    {kCmdReboot, "", "", "Brumsel! Zorvat\n\nReboot system now?", "end session 2"},
    {kCmdDosMode, "", "", "Brumsel! Zorvat\n\nExit Windows and go to DOS mode now?",
     "end session 5"},
    {kCmdLogOff, "", "", "Brumsel! Zorvat\n\nLog off current user?", "end session 1"},
    {kCmdDisplayMode, "1024 x 768 Pixel", "16 bit (HiColor / 65536)",
     "Brumsel! Zorvat\n\nChange to this display resolution: 1024 x 768 Pixel and 16 bit (HiColor / "
     "65536)?",
     "display 1024 16 1"},
};

TEST(TaskActions, EachCommandAsksItsQuestionAndCallsTheShell) {
  for (const CommandCase& c : kCommands) {
    SchedulerRig rig;
    const Task task{0, c.command, c.op1, c.op2, true};
    EXPECT_EQ(ConfirmationText(task).value_or("none"), c.question) << int(c.command);
    rig.prompts.Answer(PromptAnswer::Yes);
    ASSERT_TRUE(rig.scheduler.AddToExecuteStack(task));
    rig.scheduler.OnExecuteTick();
    EXPECT_EQ(rig.shell.calls, std::vector<std::string>{c.call}) << int(c.command);
    EXPECT_EQ(rig.prompts.shown.size(), 1u) << "only the question";
  }
}

TEST(TaskActions, MessageShowsTheProductLineAndTheText) {
  for (const std::string text : {"Christmas dinner", ""}) {
    SchedulerRig rig;
    ASSERT_TRUE(rig.scheduler.AddToExecuteStack({0, kCmdMessage, text, "", false}));
    rig.scheduler.OnExecuteTick();
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_EQ(rig.prompts.shown[0].title, "Information");
    EXPECT_EQ(rig.prompts.shown[0].text, "Brumsel! Zorvat\n\n" + text);
    EXPECT_EQ(rig.prompts.shown[0].icon, PromptIcon::Information);
    EXPECT_EQ(rig.prompts.shown[0].buttons, PromptButtons::Ok);
  }
}

TEST(TaskActions, CopyErrorReachesTheCaller) {
  SchedulerRig rig;
  rig.shell.copyFails = true;
  ASSERT_TRUE(rig.scheduler.AddToExecuteStack({0, kCmdCopyFile, "a", "b", false}));
  rig.scheduler.OnExecuteTick();
  try {
    rig.scheduler.RaisePendingFailure();
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Unable to create directory");
  }
}

struct DisplayCase {
  const char* resolution;
  const char* depth;
  std::optional<DisplayMode> mode;
};

const DisplayCase kDisplayCases[] = {
    {"1280 x 1024 Pixel", "24 bit (TrueColor / 16,7 Mio)", DisplayMode{1280, 24}},
    {"1152 x 864 Pixel", "8 bit (256 colours)", DisplayMode{1152, 8}},
    {"800 x 600 Pixel", "4 bit (16 colours)", DisplayMode{800, 4}},
    {"640 x 400 Pixel", "16 bit (HiColor / 65536)", DisplayMode{640, 16}},  // height follows width
    {"800", "16 bit", std::nullopt},  // "800 " needs its blank
    {"1600 x 1200 Pixel", "16 bit", std::nullopt},
    {"1024 x 768 Pixel", "32 bit", std::nullopt},
    {"1024 x 768 Pixel", "8bit", std::nullopt},
    {"", "", std::nullopt},
};

TEST(TaskActions, DisplayModeFromTheBeginningsOfItsTexts) {
  for (const DisplayCase& c : kDisplayCases) {
    EXPECT_EQ(ParseDisplayMode(c.resolution, c.depth), c.mode) << c.resolution << " / " << c.depth;
  }
}

// Left open before: a text of no known width or depth changes nothing and says "Error".
TEST(TaskActions, UnknownDisplayTextsOrARefusedModeShowTheErrorBox) {
  struct Case {
    const char* resolution;
    int result;
    std::vector<std::string> calls;
  };
  for (const Case& c :
       {Case{"1600 x 1200 Pixel", 0, {}}, Case{"1024 x 768 Pixel", -2, {"display 1024 16 1"}}}) {
    SchedulerRig rig;
    rig.shell.displayResult = c.result;
    ASSERT_TRUE(
        rig.scheduler.AddToExecuteStack({0, kCmdDisplayMode, c.resolution, "16 bit", false}));
    rig.scheduler.OnExecuteTick();
    EXPECT_EQ(rig.shell.calls, c.calls);
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_EQ(rig.prompts.shown[0].title, "Error");
    EXPECT_EQ(rig.prompts.shown[0].text, "Error");
    EXPECT_EQ(rig.prompts.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(rig.prompts.shown[0].buttons, PromptButtons::Ok);
  }
}

}  // namespace
}  // namespace zorvat::testing
