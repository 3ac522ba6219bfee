#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/Disk.h"

namespace zorvat::disk {
namespace {

// A rename is on the disk once its folder is.
void FlushFolderOf(const std::string& file) {
  const std::size_t slash = file.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

bool MoveFileInPlace(std::string_view fromPath, std::string_view toPath, bool replace) {
  const std::string from(fromPath);
  const std::string to(toPath);
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
bool CommitReplacement(std::string_view temporaryPath, std::string_view targetPath) {
  const std::string temporary(temporaryPath);
  const std::string target(targetPath);
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

}  // namespace zorvat::disk
