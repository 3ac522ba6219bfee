#pragma once

#include <string>

namespace zorvat::shellkit {

// One "open" through the shell, without an owner window.
struct ShellOpenRequest {
  std::string file;
  std::string parameters;
  std::string workingFolder;  // empty: the shell's choice
  int showCommand = 1;        // SW_SHOWNORMAL

  bool operator==(const ShellOpenRequest&) const = default;
};

// A program or document opened in its own folder, in a normal window.
ShellOpenRequest ProgramOpenRequest(const std::string& path, const std::string& parameters);

// The caller is not told whether the shell succeeded.
void OpenWithShell(const ShellOpenRequest& request);

void StartProgram(const std::string& path);
void StartProgramWithParameters(const std::string& path, const std::string& parameters);

}  // namespace zorvat::shellkit
