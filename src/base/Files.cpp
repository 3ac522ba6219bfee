#include "base/Files.h"

#include <fcntl.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <system_error>

#include "base/Error.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zorvat {
namespace {

#ifdef _WIN32
int OpenForWriting(const fs::path& p) {
  return _wopen(p.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int fd, const char* data, size_t size) {
  return _write(fd, data, static_cast<unsigned>(size));
}
int FlushToDisk(int fd) {
  return _commit(fd);
}
int CloseFile(int fd) {
  return _close(fd);
}
int ProcessId() {
  return _getpid();
}
#else
int OpenForWriting(const fs::path& p) {
  return ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int WriteSome(int fd, const char* data, size_t size) {
  return static_cast<int>(::write(fd, data, size));
}
int FlushToDisk(int fd) {
  return ::fsync(fd);
}
int CloseFile(int fd) {
  return ::close(fd);
}
int ProcessId() {
  return static_cast<int>(::getpid());
}
#endif

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const size_t chunk = bytes.size() < (1u << 30) ? bytes.size() : (1u << 30);
    const int written = WriteSome(fd, bytes.data(), chunk);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool IsReadOnly(const fs::path& p) {
  std::error_code ec;
  const auto st = fs::status(p, ec);
  return !ec && fs::exists(st) && (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

fs::path TemporaryBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path temp = target;
  temp += ".~" + std::to_string(ProcessId()) + "-" + std::to_string(stamp % 1000000) + "-" +
          std::to_string(counter++) + ".tmp";
  return temp;
}

}  // namespace

fs::path PathFromUtf8(std::string_view utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const fs::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

bool FileExists(std::string_view utf8Path) {
  std::error_code ec;
  return !utf8Path.empty() && fs::is_regular_file(PathFromUtf8(utf8Path), ec);
}

std::optional<std::string> ReadFileBytes(std::string_view utf8Path) {
  if (!FileExists(utf8Path)) {
    return std::nullopt;  // a folder opens as a stream on some systems but has no bytes
  }
  std::ifstream in(PathFromUtf8(utf8Path), std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  // Not `<< rdbuf()`: that turns a failed read into a short or empty text without a trace.
  std::string bytes;
  char buffer[8192];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    return std::nullopt;
  }
  return bytes;
}

void ReplaceFileAtomically(std::string_view utf8Path, std::string_view bytes) {
  std::error_code ec;
  const fs::path target = fs::absolute(PathFromUtf8(utf8Path), ec);
  const Error refused("Unable to write to " + (ec ? std::string(utf8Path) : PathToUtf8(target)));
  if (ec || IsReadOnly(target)) {
    throw refused;
  }
  const fs::path temp = TemporaryBeside(target);
  const int fd = OpenForWriting(temp);
  if (fd < 0) {
    throw refused;
  }
  const bool written = WriteAll(fd, bytes) && FlushToDisk(fd) == 0;
  const bool closed = CloseFile(fd) == 0;
  if (written && closed) {
    fs::rename(temp, target, ec);
    if (!ec) {
      return;
    }
  }
  fs::remove(temp, ec);
  throw refused;
}

}  // namespace zorvat
