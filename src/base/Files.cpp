#include "base/Files.h"

#include <fcntl.h>

#include <cerrno>
#include <fstream>
#include <system_error>

#include "base/Error.h"

#ifdef _WIN32
#include <io.h>
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

// A read-only file, or something that is not a file at all: a save must not take its place.
bool IsNoWritableFile(const fs::path& p) {
  std::error_code ec;
  const auto st = fs::status(p, ec);
  if (st.type() == fs::file_type::not_found) {
    return false;
  }
  return ec || !fs::is_regular_file(st) ||
         (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// The file a chain of symbolic links ends in, which need not exist yet.
fs::path FollowLinks(fs::path p) {
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    const fs::path next = fs::read_symlink(p, ec);
    if (ec) {
      break;
    }
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return p;
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

FileBytes ReadWholeFile(std::string_view utf8Path) {
  std::error_code ec;
  const fs::path path = PathFromUtf8(utf8Path);
  const auto status = fs::status(path, ec);
  if (utf8Path.empty() || status.type() == fs::file_type::not_found) {
    return {ReadOutcome::Missing, {}};
  }
  if (ec || !fs::is_regular_file(status)) {
    return {ReadOutcome::Unreadable, {}};  // a folder opens as a stream on some systems
  }
  const auto size = fs::file_size(path, ec);
  if (!ec && size > kLargestReadableFile) {
    return {ReadOutcome::TooLarge, {}};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return {ReadOutcome::Unreadable, {}};
  }
  // Not `<< rdbuf()`: that turns a failed read into a short or empty text without a trace.
  std::string bytes;
  if (!ec) {
    bytes.reserve(static_cast<std::size_t>(size));
  }
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kLargestReadableFile) {
      return {ReadOutcome::TooLarge, {}};  // it grew while being read
    }
  }
  if (in.bad()) {
    return {ReadOutcome::Unreadable, {}};
  }
  return {ReadOutcome::Read, std::move(bytes)};
}

std::string ReadFileStart(std::string_view utf8Path, std::size_t count) {
  if (!FileExists(utf8Path)) {
    return {};
  }
  std::ifstream in(PathFromUtf8(utf8Path), std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

std::optional<std::string> ReadFileBytes(std::string_view utf8Path) {
  FileBytes file = ReadWholeFile(utf8Path);
  if (file.outcome != ReadOutcome::Read) {
    return std::nullopt;
  }
  return std::move(file.bytes);
}

fs::path PartialFileFor(const fs::path& target) {
  fs::path part = target;
  part += ".~write.tmp";
  return part;
}

fs::path TemporaryFileFor(const fs::path& target) {
  fs::path temp = target;
  temp += ".~save.tmp";
  return temp;
}

fs::path KeptFileFor(const fs::path& target) {
  std::error_code ec;
  fs::path kept = target;
  kept += ".~kept.tmp";
  for (int n = 2; fs::exists(fs::symlink_status(kept, ec)) && n < 10000; ++n) {
    kept = target;
    kept += ".~kept " + std::to_string(n) + ".tmp";
  }
  return kept;
}

bool NothingAt(std::string_view utf8Path) {
  std::error_code ec;
  return !utf8Path.empty() &&
         fs::symlink_status(PathFromUtf8(utf8Path), ec).type() == fs::file_type::not_found;
}

bool RecoverInterruptedSave(std::string_view utf8Path) {
  std::error_code ec;
  const fs::path given = fs::absolute(PathFromUtf8(utf8Path), ec);
  if (ec) {
    return false;
  }
  const fs::path target = FollowLinks(given);
  const fs::path temp = TemporaryFileFor(target);
  return fs::symlink_status(target, ec).type() == fs::file_type::not_found &&
         fs::is_regular_file(fs::symlink_status(temp, ec)) && MoveFileInPlace(temp, target, false);
}

bool CanReplaceFile(std::string_view utf8Path) {
  std::error_code ec;
  const fs::path given = fs::absolute(PathFromUtf8(utf8Path), ec);
  if (ec) {
    return false;
  }
  const fs::path target = FollowLinks(given);
  if (IsNoWritableFile(target)) {
    return false;
  }
  const fs::path probe = PartialFileFor(target);
  fs::remove(probe, ec);
  const int fd = OpenForWriting(probe);
  if (fd < 0) {
    return false;
  }
  CloseFile(fd);
  fs::remove(probe, ec);
  return true;
}

void ReplaceFileAtomically(std::string_view utf8Path, std::string_view bytes) {
  std::error_code ec;
  const fs::path given = fs::absolute(PathFromUtf8(utf8Path), ec);
  const std::string refused =
      "Unable to write to " + (ec ? std::string(utf8Path) : PathToUtf8(given));
  if (ec) {
    throw Error(refused);
  }
  const fs::path target = FollowLinks(given);
  if (IsNoWritableFile(target)) {
    throw Error(refused);
  }
  const fs::path part = PartialFileFor(target);
  const fs::path temp = TemporaryFileFor(target);
  fs::remove(part, ec);  // left by a save that did not finish writing
  if (fs::exists(fs::symlink_status(temp, ec))) {
    // Left by a save that did not finish its rename. Without the target it may be all that is
    // left of it.
    const bool kept = fs::exists(fs::symlink_status(target, ec))
                          ? fs::remove(temp, ec)
                          : MoveFileInPlace(temp, KeptFileFor(target), false);
    if (!kept) {
      throw Error(refused);
    }
  }
  const int fd = OpenForWriting(part);
  if (fd < 0) {
    throw Error(refused);
  }
  const bool written = WriteAll(fd, bytes) && FlushToDisk(fd) == 0;
  const bool closed = CloseFile(fd) == 0;
  if (written && closed && MoveFileInPlace(part, temp, false)) {
    if (CommitReplacement(temp, target)) {
      return;
    }
    fs::remove(temp, ec);
  }
  fs::remove(part, ec);
  throw Error(refused);
}

}  // namespace zorvat
