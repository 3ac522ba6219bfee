#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

#include "base/Files.h"

namespace zorvat {

// rename() gives the target the temporary file's mode and owner, so the target's go over first.
bool CommitReplacement(const std::filesystem::path& temporary,
                       const std::filesystem::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    if (::chmod(temporary.c_str(), old.st_mode & 07777) != 0) {
      return false;
    }
    // Only a privileged user can give a file away; anyone else keeps the file as their own.
    [[maybe_unused]] const int ignored = ::chown(temporary.c_str(), old.st_uid, old.st_gid);
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  return !ec;
}

}  // namespace zorvat
