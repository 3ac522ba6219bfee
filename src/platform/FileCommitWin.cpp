#include <windows.h>

#include "base/Disk.h"
#include "shellkit/WideText.h"

namespace zorvat::disk {

bool MoveFileInPlace(std::string_view from, std::string_view to, bool replace) {
  return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                     MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0)) != FALSE;
}

// One rename over the old file, never ReplaceFileW: Wine's moves the old file away and deletes it
// before it moves the new one in, so a kill in between leaves no file under the name, and it
// leaves its backup copies behind. The rename keeps what the user sees of the old file, its
// attributes, which go over first; see docs/ARCHITECTURE.md for what it does not keep.
bool CommitReplacement(std::string_view temporary, std::string_view target) {
  const DWORD attributes = GetFileAttributesW(Widen(target).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      !SetFileAttributesW(
          Widen(temporary).c_str(),
          attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                        FILE_ATTRIBUTE_NOT_CONTENT_INDEXED))) {
    return false;
  }
  return MoveFileInPlace(temporary, target, true);
}

}  // namespace zorvat::disk
