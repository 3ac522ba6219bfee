#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "base/Files.h"
#include "shellkit/Handles.h"
#include "shellkit/ShellItems.h"
#include "shellkit/SystemFolders.h"
#include "shellkit/WideText.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"
#include "win/WinTestSupport.h"

namespace zorvat::shellkit {
namespace {

using zorvat::testing::NoWineMenuBuilder;
using zorvat::testing::PathExists;
using zorvat::testing::ScopedRegistryValue;
using zorvat::testing::TempFolder;
using zorvat::testing::WriteBytes;

struct Shortcut {
  std::string target;
  std::string workingFolder;
};

Shortcut ReadShortcut(const std::string& linkPath) {
  void* created = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              &created))) {
    return {"(no link object)", ""};
  }
  const ComPtr<IShellLinkW> link(static_cast<IShellLinkW*>(created));
  void* queried = nullptr;
  link->QueryInterface(IID_IPersistFile, &queried);
  const ComPtr<IPersistFile> file(static_cast<IPersistFile*>(queried));
  if (FAILED(file->Load(Widen(linkPath).c_str(), STGM_READ))) {
    return {"(unreadable)", ""};
  }
  wchar_t target[MAX_PATH] = L"";
  wchar_t folder[MAX_PATH] = L"";
  link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
  link->GetWorkingDirectory(folder, MAX_PATH);
  return {Narrow(target), Narrow(folder)};
}

// A group of its own under the Programs folder, removed afterwards, and the shortcuts that the
// shell leaves in the Recent folder for the test's targets.
class ShellItemCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    group = "Zorvat Test " + std::to_string(GetCurrentProcessId());
    groupFolder = GetSystemFolder(kProgramsFolder) + "\\" + group;
    target = temp.File("Zorvat Target.exe");
    other = temp.File("Other Target.exe");
    WriteBytes(target, "MZ");
    WriteBytes(other, "MZ");
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(PathFromUtf8(groupFolder), ignored);
    for (const char* name : {"Zorvat Target.exe.lnk", "Other Target.exe.lnk"}) {
      DeleteFileW(Widen(RecentShortcut(name)).c_str());
    }
    CoUninitialize();
  }
  static std::string RecentShortcut(const std::string& name) {
    return GetSystemFolder(kRecentFolder) + "\\" + name;
  }
  std::string Destination(const std::string& title) const {
    return groupFolder + "\\" + title + ".lnk";
  }

  NoWineMenuBuilder noMenuBuilder;
  TempFolder temp;
  std::string group;
  std::string groupFolder;
  std::string target;
  std::string other;
};

TEST_F(ShellItemCommandTest, NewGroupInAnyCaseCreatesTheFolderChain) {
  ShellItemCommand("newgroup", group + "\\Sub", "unused", "unused");
  EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(groupFolder + "\\Sub")));
}

TEST_F(ShellItemCommandTest, OtherCommandsDoNothing) {
  ShellItemCommand("NEWITEMS", group, "Brumsel! Zorvat", target);
  ShellItemCommand("", group, "Brumsel! Zorvat", target);
  EXPECT_FALSE(PathExists(groupFolder));
}

TEST_F(ShellItemCommandTest, NewItemMovesTheShellsRecentShortcutIntoTheGroup) {
  ShellItemCommand("NewItem", group, "Brumsel! Zorvat", target);
  const std::string destination = Destination("Brumsel! Zorvat");
  ASSERT_TRUE(PathExists(destination));
  EXPECT_EQ(ReadShortcut(destination).target, target);
  EXPECT_FALSE(PathExists(RecentShortcut("Zorvat Target.exe.lnk")));
}

TEST_F(ShellItemCommandTest, ExistingShortcutOfTheTitleIsKept) {
  ShellItemCommand("NEWItem", group, "Brumsel! Zorvat", target);
  ShellItemCommand("NEWItem", group, "Brumsel! Zorvat", other);
  EXPECT_EQ(ReadShortcut(Destination("Brumsel! Zorvat")).target, target);
  // The shell's own shortcut stays where the shell put it.
  EXPECT_TRUE(PathExists(RecentShortcut("Other Target.exe.lnk")));
}

class WithoutRecentItemsTest : public ShellItemCommandTest {
 protected:
  void SetUp() override {
    ShellItemCommandTest::SetUp();
    noRecentItems.SetNumber(1);
  }
  ScopedRegistryValue noRecentItems{HKEY_CURRENT_USER,
                                    L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\"
                                    L"Explorer",
                                    L"NoRecentDocsHistory"};
};

TEST_F(WithoutRecentItemsTest, NewItemMakesTheShortcutItselfWorkingInTheTargetsFolder) {
  ShellItemCommand("NewItem", group, "Brumsel! Zorvat", target);
  EXPECT_FALSE(PathExists(RecentShortcut("Zorvat Target.exe.lnk")));
  const Shortcut made = ReadShortcut(Destination("Brumsel! Zorvat"));
  EXPECT_EQ(made.target, target);
  EXPECT_EQ(made.workingFolder, temp.Path());
}

TEST_F(WithoutRecentItemsTest, ExistingShortcutOfTheTitleIsKept) {
  ShellItemCommand("NewItem", group, "Brumsel! Zorvat", target);
  ShellItemCommand("NewItem", group, "Brumsel! Zorvat", other);
  EXPECT_EQ(ReadShortcut(Destination("Brumsel! Zorvat")).target, target);
}

}  // namespace
}  // namespace zorvat::shellkit
