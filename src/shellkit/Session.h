#pragma once

#include <cstdint>
#include <functional>

#include "shellkit/Programs.h"

namespace zorvat::shellkit {

// The system calls behind EndSession, replaceable so that tests see them without ending the
// session.
struct SessionCalls {
  std::function<void()> enableShutdownPrivilege;
  std::function<void(unsigned flags)> exitWindows;  // ExitWindowsEx, result ignored
  std::function<void(const ShellOpenRequest&)> openWithShell;
};
SessionCalls SystemSessionCalls();

// Enables SE_SHUTDOWN_NAME in the process token; false when the system refuses.
bool EnableShutdownPrivilege();

// 1 log off, 2 restart, 3 shut down, 4 power off, 5 MS-DOS mode; any other mode does nothing.
// No force flag: every program is asked first and may refuse. Nothing is reported.
void EndSession(std::uint8_t mode, const SessionCalls& calls = SystemSessionCalls());

}  // namespace zorvat::shellkit
