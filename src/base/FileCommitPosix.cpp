#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/Files.h"

namespace zorvat {
namespace {

// A rename is on the disk once its folder is.
void FlushFolderOf(const std::filesystem::path& file) {
  const int fd = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

bool MoveFileInPlace(const std::filesystem::path& from, const std::filesystem::path& to,
                     bool replace) {
  if (replace) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
      return false;
    }
  } else {
    // link(2) refuses an existing name, where rename(2) would replace it.
    if (::link(from.c_str(), to.c_str()) != 0 || ::unlink(from.c_str()) != 0) {
      return false;
    }
  }
  FlushFolderOf(to);
  return true;
}

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
  return MoveFileInPlace(temporary, target, true);
}

}  // namespace zorvat
