#include "shellkit/Programs.h"

#include <windows.h>

#include <shellapi.h>

#include "shellkit/Handles.h"
#include "shellkit/Paths.h"
#include "shellkit/WideText.h"

namespace zorvat::shellkit {

ShellOpenRequest ProgramOpenRequest(const std::string& path, const std::string& parameters) {
  return {path, parameters, FolderPart(path), SW_SHOWNORMAL};
}

void OpenWithShell(const ShellOpenRequest& request) {
  // The shell may hand the request to extensions that need COM.
  const ComScope com;
  const std::wstring file = Widen(request.file);
  const std::wstring parameters = Widen(request.parameters);
  const std::wstring folder = Widen(request.workingFolder);
  ShellExecuteW(nullptr, L"open", file.c_str(), parameters.c_str(),
                folder.empty() ? nullptr : folder.c_str(), request.showCommand);
}

void StartProgram(const std::string& path) {
  OpenWithShell(ProgramOpenRequest(path, {}));
}

void StartProgramWithParameters(const std::string& path, const std::string& parameters) {
  OpenWithShell(ProgramOpenRequest(path, parameters));
}

}  // namespace zorvat::shellkit
