#include "shellkit/ForcedCopy.h"

#include <windows.h>

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
  CreateFolders(folder);
  CopyFileW(Widen(source).c_str(), Widen(target).c_str(), FALSE);
}

}  // namespace zorvat::shellkit
