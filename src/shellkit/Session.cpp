#include "shellkit/Session.h"

#include <windows.h>

#include "shellkit/Handles.h"
#include "shellkit/SystemFolders.h"

namespace zorvat::shellkit {
namespace {

void EnterDosMode(const SessionCalls& calls) {
  const std::string windows = GetSystemFolder(kWindowsFolder);
  calls.openWithShell({windows + "\\MS-DOS-MODUS.PIF", "[?]", windows, SW_HIDE});
}

}  // namespace

bool EnableShutdownPrivilege() {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened)) {
    return false;
  }
  const KernelHandle token(opened);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
    return false;
  }
  // Succeeds without enabling anything when the token lacks the privilege.
  return AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) &&
         GetLastError() == ERROR_SUCCESS;
}

SessionCalls SystemSessionCalls() {
  return {[] { EnableShutdownPrivilege(); }, [](unsigned flags) { ExitWindowsEx(flags, 0); },
          &OpenWithShell};
}

void EndSession(std::uint8_t mode, const SessionCalls& calls) {
  switch (mode) {
    case 1:
      calls.exitWindows(EWX_LOGOFF);
      break;
    case 2:
      calls.enableShutdownPrivilege();
      calls.exitWindows(EWX_REBOOT);
      break;
    case 3:
      calls.enableShutdownPrivilege();
      calls.exitWindows(EWX_SHUTDOWN);
      break;
    case 4:
      calls.enableShutdownPrivilege();
      calls.exitWindows(EWX_POWEROFF);
      break;
    case 5:
      EnterDosMode(calls);
      break;
    default:
      break;
  }
}

}  // namespace zorvat::shellkit
