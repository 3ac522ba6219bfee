#include "base/Files.h"

#include "base/Disk.h"
#include "base/Error.h"

namespace zorvat {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr std::string_view kSeparators = "\\/:";  // "C:name" is a name in C:'s current folder
#else
constexpr char kSeparator = '/';
constexpr std::string_view kSeparators = "/";
#endif

// A read-only file, or something that is not a file at all: a save must not take its place.
bool IsNoWritableFile(std::string_view path) {
  const disk::Entry entry = disk::Inspect(path);
  return entry.kind != disk::EntryKind::Nothing &&
         (entry.kind != disk::EntryKind::File || !entry.writable);
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && kSeparators.find(path.back()) == std::string_view::npos) {
    path += kSeparator;
  }
  path += name;
  return path;
}

std::string FileNameOf(std::string_view path) {
  const std::size_t last = path.find_last_of(kSeparators);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

bool FileExists(std::string_view utf8Path) {
  return !utf8Path.empty() && disk::Inspect(utf8Path).kind == disk::EntryKind::File;
}

bool NothingAt(std::string_view utf8Path) {
  return !utf8Path.empty() && disk::KindAt(utf8Path) == disk::EntryKind::Nothing;
}

bool SomethingAt(std::string_view utf8Path) {
  const disk::EntryKind kind = disk::KindAt(utf8Path);
  return kind != disk::EntryKind::Nothing && kind != disk::EntryKind::Unknown;
}

FileBytes ReadWholeFile(std::string_view utf8Path) {
  const disk::Entry entry = utf8Path.empty() ? disk::Entry{} : disk::Inspect(utf8Path);
  if (entry.kind == disk::EntryKind::Nothing) {
    return {ReadOutcome::Missing, {}};
  }
  if (entry.kind != disk::EntryKind::File) {
    return {ReadOutcome::Unreadable, {}};  // a folder opens as a stream on some systems
  }
  if (entry.size > kLargestReadableFile) {
    return {ReadOutcome::TooLarge, {}};
  }
  // A failed read is no short or empty text: it says so.
  std::string bytes;
  if (!disk::ReadInto(utf8Path, kLargestReadableFile + 1, entry.size, bytes)) {
    return {ReadOutcome::Unreadable, {}};
  }
  if (bytes.size() > kLargestReadableFile) {
    return {ReadOutcome::TooLarge, {}};  // it grew while being read
  }
  return {ReadOutcome::Read, std::move(bytes)};
}

std::string ReadFileStart(std::string_view utf8Path, std::size_t count) {
  std::string bytes;
  if (!FileExists(utf8Path) || !disk::ReadInto(utf8Path, count, count, bytes)) {
    return {};
  }
  return bytes;
}

std::optional<std::string> ReadFileBytes(std::string_view utf8Path) {
  FileBytes file = ReadWholeFile(utf8Path);
  if (file.outcome != ReadOutcome::Read) {
    return std::nullopt;
  }
  return std::move(file.bytes);
}

std::string PartialFileFor(std::string_view target) {
  return std::string(target) + ".~write.tmp";
}

std::string TemporaryFileFor(std::string_view target) {
  return std::string(target) + ".~save.tmp";
}

std::string KeptFileFor(std::string_view target) {
  std::string kept = std::string(target) + ".~kept.tmp";
  for (int n = 2; SomethingAt(kept) && n < 10000; ++n) {
    kept = std::string(target) + ".~kept " + std::to_string(n) + ".tmp";
  }
  return kept;
}

bool RecoverInterruptedSave(std::string_view utf8Path) {
  const std::optional<std::string> given = AbsolutePath(utf8Path);
  if (!given) {
    return false;
  }
  const std::string target = disk::FollowLinks(*given);
  const std::string temp = TemporaryFileFor(target);
  return NothingAt(target) && disk::KindAt(temp) == disk::EntryKind::File &&
         disk::MoveFileInPlace(temp, target, false);
}

Replacing CheckReplacing(std::string_view utf8Path) {
  const std::optional<std::string> given = AbsolutePath(utf8Path);
  if (!given) {
    return Replacing::FileRefuses;
  }
  const std::string target = disk::FollowLinks(*given);
  if (IsNoWritableFile(target)) {
    return Replacing::FileRefuses;
  }
  const std::string probe = PartialFileFor(target);
  RemoveFile(probe);
  const bool made = disk::WriteNewFile(probe, {}, false);
  RemoveFile(probe);
  return made ? Replacing::Possible : Replacing::FolderRefuses;
}

void ReplaceFileAtomically(std::string_view utf8Path, std::string_view bytes) {
  const std::optional<std::string> given = AbsolutePath(utf8Path);
  const std::string refused = "Unable to write to " + given.value_or(std::string(utf8Path));
  if (!given) {
    throw Error(refused);
  }
  const std::string target = disk::FollowLinks(*given);
  if (IsNoWritableFile(target)) {
    throw Error(refused);
  }
  const std::string part = PartialFileFor(target);
  const std::string temp = TemporaryFileFor(target);
  RemoveFile(part);  // left by a save that did not finish writing
  if (SomethingAt(temp)) {
    // Left by a save that did not finish its rename. Without the target it may be all that is
    // left of it.
    const bool kept = SomethingAt(target) ? RemoveFile(temp)
                                          : disk::MoveFileInPlace(temp, KeptFileFor(target), false);
    if (!kept) {
      throw Error(refused);
    }
  }
  if (disk::WriteNewFile(part, bytes, true) && disk::MoveFileInPlace(part, temp, false)) {
    if (disk::CommitReplacement(temp, target)) {
      return;
    }
    RemoveFile(temp);
  }
  RemoveFile(part);
  throw Error(refused);
}

}  // namespace zorvat
