#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include "shellkit/SystemFolders.h"
#include "shellkit/WideText.h"
#include "win/WinTestSupport.h"

namespace zorvat::shellkit {
namespace {

using zorvat::testing::ScopedRegistryValue;

constexpr const wchar_t* kShellFolders =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string ShellsOwnFolder(int csidl) {
  wchar_t path[MAX_PATH];
  return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))
             ? Narrow(path)
             : std::string("(none)");
}

std::string Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? Narrow(value) : std::string("(unset)");
}

TEST(GetSystemFolder, UserSelectorsNameTheShellsFolders) {
  const struct {
    std::uint8_t selector;
    int csidl;
  } cases[] = {{7, CSIDL_STARTMENU}, {8, CSIDL_PROGRAMS},  {9, CSIDL_DESKTOPDIRECTORY},
               {11, CSIDL_FONTS},    {14, CSIDL_PERSONAL}, {17, CSIDL_RECENT},
               {18, CSIDL_SENDTO},   {19, CSIDL_STARTUP},  {22, CSIDL_APPDATA}};
  for (const auto& c : cases) {
    EXPECT_EQ(GetSystemFolder(c.selector), ShellsOwnFolder(c.csidl))
        << "selector " << int{c.selector};
  }
}

TEST(GetSystemFolder, MachineSelectorsReadTheCurrentVersionKey) {
  EXPECT_EQ(GetSystemFolder(2), Environment(L"ProgramFiles"));
  EXPECT_EQ(GetSystemFolder(3), Environment(L"CommonProgramFiles"));
}

TEST(GetSystemFolder, GivesTheStoredTextAsItIs) {
  ScopedRegistryValue templates(HKEY_CURRENT_USER, kShellFolders, L"Templates");
  templates.SetText(L"C:\\M\u00fcll\\Vorlagen\\");
  EXPECT_EQ(GetSystemFolder(20), "C:\\M\xc3\xbcll\\Vorlagen\\");
}

TEST(GetSystemFolder, MissingValueGivesQuestionMark) {
  ScopedRegistryValue cache(HKEY_CURRENT_USER, kShellFolders, L"Cache");
  cache.Remove();
  EXPECT_EQ(GetSystemFolder(21), "[?]");
}

TEST(GetSystemFolder, SelectorOutsideTheTableGivesZero) {
  for (const std::uint8_t selector : {0, 23, 255}) {
    EXPECT_EQ(GetSystemFolder(static_cast<std::uint8_t>(selector)), "0");
  }
}

}  // namespace
}  // namespace zorvat::shellkit
