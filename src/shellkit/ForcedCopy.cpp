#include "shellkit/ForcedCopy.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

#include "base/Error.h"
#include "base/Files.h"
#include "shellkit/Paths.h"
#include "shellkit/WideText.h"

namespace zorvat::shellkit {

void CopyFileForced(const std::string& source, const std::string& target) {
  if (!FileExists(source)) {
    return;
  }
  const std::string folder = FolderPart(target);
  if (folder.empty()) {
    throw Error("Unable to create directory");
  }
  std::error_code ignored;
  std::filesystem::create_directories(PathFromUtf8(folder), ignored);
  CopyFileW(Widen(source).c_str(), Widen(target).c_str(), FALSE);
}

}  // namespace zorvat::shellkit
