#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/Files.h"
#include "platform/ShellKitShell.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"
#include "win/WinTestSupport.h"

namespace zorvat {
namespace {

using zorvat::testing::PathExists;
using zorvat::testing::ReadBytes;
using zorvat::testing::TempFolder;
using zorvat::testing::WriteBytes;

// The session and display calls recorded instead of made.
struct Recorder {
  std::vector<std::string> calls;
  std::optional<DEVMODEW> mode;
  LONG displayAnswer = DISP_CHANGE_SUCCESSFUL;

  ShellSystemCalls Calls() {
    ShellSystemCalls calls;
    calls.session = {
        [this] { this->calls.emplace_back("privilege"); },
        [this](unsigned flags) { this->calls.push_back("exit " + std::to_string(flags)); },
        [this](const shellkit::ShellOpenRequest& r) { this->calls.push_back("open " + r.file); }};
    calls.changeDisplay = [this](DEVMODEW& requested, DWORD flags) {
      mode = requested;
      this->calls.push_back("display " + std::to_string(flags));
      return displayAnswer;
    };
    return calls;
  }
};

TEST(ShellKitShell, SessionEndModesKeepTheirNumbers) {
  Recorder reboot;
  ShellKitShell(reboot.Calls()).EndSession(SessionEndMode::Reboot);
  EXPECT_EQ(reboot.calls, (std::vector<std::string>{"privilege", "exit 2"}));
  Recorder logOff;
  ShellKitShell(logOff.Calls()).EndSession(SessionEndMode::LogOff);
  EXPECT_EQ(logOff.calls, std::vector<std::string>{"exit 0"});
  Recorder dos;
  ShellKitShell(dos.Calls()).EndSession(SessionEndMode::DosMode);
  ASSERT_EQ(dos.calls.size(), 1u);
  EXPECT_EQ(dos.calls[0].rfind("open ", 0), 0u);
}

TEST(ShellKitShell, DisplayModeIsChangedForThisSessionAndItsAnswerTranslated) {
  Recorder recorder;
  recorder.displayAnswer = DISP_CHANGE_RESTART;
  EXPECT_EQ(ShellKitShell(recorder.Calls()).SetDisplayMode(1024, 16, 1), 1);
  EXPECT_EQ(recorder.calls, std::vector<std::string>{"display 0"});
  ASSERT_TRUE(recorder.mode);
  EXPECT_EQ(recorder.mode->dmPelsWidth, 1024u);
  EXPECT_EQ(recorder.mode->dmPelsHeight, 768u);
  EXPECT_EQ(recorder.mode->dmBitsPerPel, 16u);
}

class ShellKitShellFiles : public ::testing::Test {
 protected:
  TempFolder temp;
  ShellKitShell shell;
};

TEST_F(ShellKitShellFiles, MoveRenamesAndMovesBetweenFolders) {
  const std::string source = temp.File("a.txt");
  WriteBytes(source, "a");
  std::filesystem::create_directory(PathFromUtf8(temp.File("sub")));
  shell.MoveFileTo(source, temp.File("sub\\b \xc3\xa9.txt"));
  EXPECT_FALSE(PathExists(source));
  EXPECT_EQ(ReadBytes(temp.File("sub\\b \xc3\xa9.txt")), "a");
}

TEST_F(ShellKitShellFiles, MoveOntoAnExistingFileLeavesBoth) {
  WriteBytes(temp.File("a.txt"), "a");
  WriteBytes(temp.File("b.txt"), "b");
  shell.MoveFileTo(temp.File("a.txt"), temp.File("b.txt"));
  EXPECT_EQ(ReadBytes(temp.File("a.txt")), "a");
  EXPECT_EQ(ReadBytes(temp.File("b.txt")), "b");
  EXPECT_NO_THROW(shell.MoveFileTo(temp.File("missing.txt"), temp.File("c.txt")));
  EXPECT_FALSE(PathExists(temp.File("c.txt")));
}

TEST_F(ShellKitShellFiles, RemoveDeletesAndIsSilentAboutMissingFiles) {
  WriteBytes(temp.File("a.txt"), "a");
  shell.RemoveFile(temp.File("a.txt"));
  EXPECT_FALSE(PathExists(temp.File("a.txt")));
  EXPECT_NO_THROW(shell.RemoveFile(temp.File("a.txt")));
}

TEST_F(ShellKitShellFiles, CopyReportsABareTargetName) {
  WriteBytes(temp.File("a.txt"), "a");
  shell.CopyFileForced(temp.File("a.txt"), temp.File("x\\y.txt"));
  EXPECT_EQ(ReadBytes(temp.File("x\\y.txt")), "a");
  EXPECT_THROW(shell.CopyFileForced(temp.File("a.txt"), "y.txt"), Error);
}

}  // namespace
}  // namespace zorvat
