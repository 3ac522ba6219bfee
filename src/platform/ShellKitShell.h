#pragma once

#include "scheduler/Shell.h"
#include "shellkit/DisplayMode.h"
#include "shellkit/Session.h"

namespace zorvat {

// The session and display calls are the system's unless a test replaces them.
struct ShellSystemCalls {
  shellkit::SessionCalls session = shellkit::SystemSessionCalls();
  shellkit::ChangeDisplaySettingsCall changeDisplay = shellkit::SystemChangeDisplaySettings();
};

// The tasks' Shell port on Windows: ShellKit and the plain file calls.
class ShellKitShell final : public Shell {
 public:
  explicit ShellKitShell(ShellSystemCalls calls = {});

  void StartProgramWithParameters(const std::string& program,
                                  const std::string& parameters) override;
  void CopyFileForced(const std::string& source, const std::string& target) override;
  void MoveFileTo(const std::string& source, const std::string& target) override;
  void RemoveFile(const std::string& path) override;
  void EndSession(SessionEndMode mode) override;
  int SetDisplayMode(int width, int depth, int mode) override;
  void ShowTaskbar(bool show) override;

 private:
  ShellSystemCalls calls_;
};

}  // namespace zorvat
