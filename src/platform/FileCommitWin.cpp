#include <windows.h>

#include "base/Files.h"

namespace zorvat {

// ReplaceFileW keeps what makes the old file the user's: its attributes, security, creation time
// and alternate streams. A target that does not exist yet is simply moved into place.
bool CommitReplacement(const std::filesystem::path& temporary,
                       const std::filesystem::path& target) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    // Wine's ReplaceFileW keeps the new file's attributes; Windows' would take the old ones.
    SetFileAttributesW(temporary.c_str(),
                       attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
    return ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                        nullptr, nullptr) != FALSE;
  }
  return MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace zorvat
