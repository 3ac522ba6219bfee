#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "base/Disk.h"
#include "base/Files.h"

namespace fs = std::filesystem;

namespace zorvat {
namespace {

fs::path PathOf(std::string_view utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

disk::EntryKind KindOf(const fs::file_status& status, const std::error_code& ec) {
  switch (status.type()) {
    case fs::file_type::not_found:
      return disk::EntryKind::Nothing;
    case fs::file_type::regular:
      return disk::EntryKind::File;
    case fs::file_type::directory:
      return disk::EntryKind::Folder;
    case fs::file_type::none:
    case fs::file_type::unknown:
      return disk::EntryKind::Unknown;
    default:
      return ec ? disk::EntryKind::Unknown : disk::EntryKind::Other;
  }
}

// Closes the descriptor once; Close() says whether the system took every write.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> AbsolutePath(std::string_view path) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(PathOf(path), ec);
  if (ec || path.empty()) {
    return std::nullopt;
  }
  return Utf8Of(absolute);
}

bool CreateFolders(std::string_view utf8Path) {
  std::error_code ec;
  fs::create_directories(PathOf(utf8Path), ec);
  return fs::is_directory(PathOf(utf8Path), ec);
}

bool RemoveFile(std::string_view utf8Path) {
  return !utf8Path.empty() && ::unlink(PathOf(utf8Path).c_str()) == 0;
}

namespace disk {

Entry Inspect(std::string_view path) {
  std::error_code ec;
  const fs::path p = PathOf(path);
  const fs::file_status status = fs::status(p, ec);
  Entry entry{KindOf(status, ec)};
  if (entry.kind == EntryKind::File) {
    entry.writable = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
    const std::uintmax_t size = fs::file_size(p, ec);
    entry.size = ec ? 0 : size;
  }
  return entry;
}

EntryKind KindAt(std::string_view path) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(PathOf(path), ec);
  return status.type() == fs::file_type::symlink ? EntryKind::Other : KindOf(status, ec);
}

std::string FollowLinks(std::string_view path) {
  std::error_code ec;
  fs::path p = PathOf(path);
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    const fs::path next = fs::read_symlink(p, ec);
    if (ec) {
      break;
    }
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return Utf8Of(p);
}

bool ReadInto(std::string_view path, std::size_t most, std::uintmax_t sizeHint,
              std::string& bytes) {
  Descriptor file(::open(PathOf(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) {
    return false;
  }
  bytes.reserve(bytes.size() + static_cast<std::size_t>(sizeHint < most ? sizeHint : most));
  std::size_t left = most;
  char buffer[65536];
  while (left > 0) {
    const ssize_t got = ::read(file.get(), buffer, left < sizeof buffer ? left : sizeof buffer);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      return false;
    }
    if (got == 0) {
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
    left -= static_cast<std::size_t>(got);
  }
  return true;
}

bool WriteNewFile(std::string_view path, std::string_view bytes, bool flush) {
  Descriptor file(::open(PathOf(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    return false;
  }
  while (!bytes.empty()) {
    const std::size_t chunk = bytes.size() < (1u << 30) ? bytes.size() : (1u << 30);
    const ssize_t written = ::write(file.get(), bytes.data(), chunk);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (flush && ::fsync(file.get()) != 0) {
    return false;
  }
  return file.Close();
}

}  // namespace disk
}  // namespace zorvat
