#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "shellkit/Handles.h"
#include "shellkit/StartupShortcut.h"
#include "shellkit/WideText.h"
#include "support/TempFolder.h"
#include "win/WinTestSupport.h"

namespace zorvat::shellkit {
namespace {

using zorvat::testing::PathExists;
using zorvat::testing::ScopedRegistryValue;
using zorvat::testing::TempFolder;

std::string LinkTarget(const std::string& linkPath) {
  const ComScope com;
  void* created = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              &created))) {
    return "(no link object)";
  }
  const ComPtr<IShellLinkW> link(static_cast<IShellLinkW*>(created));
  void* queried = nullptr;
  link->QueryInterface(IID_IPersistFile, &queried);
  const ComPtr<IPersistFile> file(static_cast<IPersistFile*>(queried));
  wchar_t target[MAX_PATH] = L"";
  if (FAILED(file->Load(Widen(linkPath).c_str(), STGM_READ)) ||
      FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) {
    return "(unreadable)";
  }
  return Narrow(target);
}

// The Startup folder of the test is a folder of its own; the shortcut is made where Windows
// runs it at logon, renewed when the program moved, and deleted from there.
TEST(StartupShortcut, MadeRenewedAndDeletedInTheStartupFolder) {
  TempFolder startup;
  ScopedRegistryValue folder(
      HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
      L"Startup");
  folder.SetText(Widen(startup.Path()));
  TempFolder program;
  const std::string first = program.File("Zorvat.exe");
  const std::string moved = program.File("moved\\Zorvat.exe");
  const std::string link = startup.File("Brumsel! Zorvat.lnk");

  SetStartupShortcut(true, "Brumsel! Zorvat", first);
  ASSERT_TRUE(PathExists(link));
  EXPECT_EQ(LinkTarget(link), first);

  SetStartupShortcut(true, "Brumsel! Zorvat", moved);
  EXPECT_EQ(LinkTarget(link), moved);

  SetStartupShortcut(false, "Brumsel! Zorvat", moved);
  EXPECT_FALSE(PathExists(link));
  SetStartupShortcut(false, "Brumsel! Zorvat", moved);  // not there: nothing to report
  EXPECT_FALSE(PathExists(link));
}

}  // namespace
}  // namespace zorvat::shellkit
