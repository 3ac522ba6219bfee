#include "platform/ShellKitShell.h"

#include <windows.h>

#include <utility>

#include "shellkit/ForcedCopy.h"
#include "shellkit/Programs.h"
#include "shellkit/ShellWindows.h"
#include "shellkit/WideText.h"

namespace zorvat {

ShellKitShell::ShellKitShell(ShellSystemCalls calls) : calls_(std::move(calls)) {}

void ShellKitShell::StartProgramWithParameters(const std::string& program,
                                               const std::string& parameters) {
  shellkit::StartProgramWithParameters(program, parameters);
}

void ShellKitShell::CopyFileForced(const std::string& source, const std::string& target) {
  shellkit::CopyFileForced(source, target);
}

void ShellKitShell::MoveFileTo(const std::string& source, const std::string& target) {
  MoveFileW(Widen(source).c_str(), Widen(target).c_str());
}

void ShellKitShell::RemoveFile(const std::string& path) {
  DeleteFileW(Widen(path).c_str());
}

void ShellKitShell::EndSession(SessionEndMode mode) {
  shellkit::EndSession(static_cast<std::uint8_t>(mode), calls_.session);
}

int ShellKitShell::SetDisplayMode(int width, int depth, int mode) {
  return shellkit::SetDisplayMode(width, static_cast<std::uint8_t>(depth),
                                  static_cast<std::uint8_t>(mode), calls_.changeDisplay);
}

void ShellKitShell::ShowTaskbar(bool show) {
  constexpr std::uint8_t kTaskbar = 1;
  shellkit::ShellWindowControl(kTaskbar, show ? 1 : 0, 0);
}

}  // namespace zorvat
