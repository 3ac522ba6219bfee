#include "platform/ProgramFile.h"

#include <windows.h>

#include <vector>

#include "base/Error.h"
#include "shellkit/StartupShortcut.h"
#include "shellkit/WideText.h"

namespace zorvat {

std::string ProgramFilePath() {
  // GetModuleFileNameW cuts a path that does not fit; grow until it does.
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      return Narrow(std::wstring_view(path.data(), length));
    }
    path.resize(path.size() * 2);
  }
}

void MaintainStartupShortcut(bool autoStart) {
  shellkit::SetStartupShortcut(autoStart, std::string(kApplicationTitle), ProgramFilePath());
}

}  // namespace zorvat
