#include <windows.h>

#include "base/Files.h"

namespace zorvat {

bool MoveFileInPlace(const std::filesystem::path& from, const std::filesystem::path& to,
                     bool replace) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0)) != FALSE;
}

// One rename over the old file, never ReplaceFileW: Wine's moves the old file away and deletes it
// before it moves the new one in, so a kill in between leaves no file under the name, and it
// leaves its backup copies behind. The rename keeps what the user sees of the old file, its
// attributes, which go over first; see docs/ARCHITECTURE.md for what it does not keep.
bool CommitReplacement(const std::filesystem::path& temporary,
                       const std::filesystem::path& target) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      !SetFileAttributesW(
          temporary.c_str(),
          attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                        FILE_ATTRIBUTE_NOT_CONTENT_INDEXED))) {
    return false;
  }
  return MoveFileInPlace(temporary, target, true);
}

}  // namespace zorvat
