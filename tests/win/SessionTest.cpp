#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shellkit/Session.h"
#include "shellkit/SystemFolders.h"

namespace zorvat::shellkit {
namespace {

// Every call of EndSession, in order, as text.
struct RecordedSession {
  std::vector<std::string> calls;
  std::vector<ShellOpenRequest> opened;

  SessionCalls Calls() {
    return {[this] { calls.emplace_back("privilege"); },
            [this](unsigned flags) { calls.emplace_back("exit " + std::to_string(flags)); },
            [this](const ShellOpenRequest& request) {
              calls.emplace_back("open");
              opened.push_back(request);
            }};
  }
};

TEST(EndSession, AsksForTheShutdownPrivilegeBeforeEndingTheSystemButNotToLogOff) {
  const struct {
    std::uint8_t mode;
    std::vector<std::string> calls;
  } cases[] = {
      {1, {"exit " + std::to_string(EWX_LOGOFF)}},
      {2, {"privilege", "exit " + std::to_string(EWX_REBOOT)}},
      {3, {"privilege", "exit " + std::to_string(EWX_SHUTDOWN)}},
      {4, {"privilege", "exit " + std::to_string(EWX_POWEROFF)}},
      {0, {}},
      {6, {}},
      {255, {}},
  };
  for (const auto& c : cases) {
    RecordedSession session;
    EndSession(c.mode, session.Calls());
    EXPECT_EQ(session.calls, c.calls) << "mode " << int{c.mode};
  }
}

TEST(EndSession, DosModeOpensTheModeFileOfTheWindowsFolderHidden) {
  RecordedSession session;
  EndSession(5, session.Calls());
  ASSERT_EQ(session.calls, std::vector<std::string>{"open"});
  const std::string windows = GetSystemFolder(kWindowsFolder);
  EXPECT_EQ(session.opened[0],
            (ShellOpenRequest{windows + "\\MS-DOS-MODUS.PIF", "[?]", windows, SW_HIDE}));
}

bool ShutdownPrivilegeEnabled() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  LUID shutdown{};
  LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown);
  alignas(TOKEN_PRIVILEGES) BYTE buffer[4096];
  DWORD size = 0;
  const bool read = GetTokenInformation(token, TokenPrivileges, buffer, sizeof(buffer), &size);
  CloseHandle(token);
  if (!read) {
    return false;
  }
  const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer);
  for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
    const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
    if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart) {
      return (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
  }
  return false;
}

void DisableShutdownPrivilege() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
  AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  CloseHandle(token);
}

TEST(EnableShutdownPrivilege, EnablesItInTheProcessToken) {
  DisableShutdownPrivilege();
  ASSERT_FALSE(ShutdownPrivilegeEnabled());
  EXPECT_TRUE(EnableShutdownPrivilege());
  EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}  // namespace
}  // namespace zorvat::shellkit
