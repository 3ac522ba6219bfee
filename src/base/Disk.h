#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What each system does on the disk, under the file layer of Files.h. Which half is linked is
// the build's choice: DiskPosix.cpp and FileCommitPosix.cpp natively, their Win32
// counterparts in src/platform on Windows (CreateFileW, MoveFileExW, ...). Paths are UTF-8.
namespace zorvat::disk {

enum class EntryKind {
  Nothing,  // no entry at the path
  File,
  Folder,
  Other,    // a device, a socket, ...
  Unknown,  // the system could not say (no permission to look, a broken link, ...)
};

struct Entry {
  EntryKind kind = EntryKind::Nothing;
  bool writable = false;    // the owner may write it
  std::uintmax_t size = 0;  // of a file
};

// What a chain of symbolic links at the path ends in.
Entry Inspect(std::string_view path);

// What is at the path itself: a link is not followed (and is Other).
EntryKind KindAt(std::string_view path);

// The file a chain of symbolic links ends in, which need not exist yet; an absolute path in, an
// absolute path out.
std::string FollowLinks(std::string_view path);

// Appends at most `most` bytes from the start of the file to `bytes`, `sizeHint` being what it
// is expected to hold; false when it cannot be opened or a read fails.
bool ReadInto(std::string_view path, std::size_t most, std::uintmax_t sizeHint, std::string& bytes);

// Creates the file, which must not exist yet, with these bytes; when `flush`, they are on the disk
// before it returns. False on any failure, which may leave a part of the file behind.
bool WriteNewFile(std::string_view path, std::string_view bytes, bool flush);

// Renames `from` to `to` in one step, replacing `to` when `replace` is set, and flushes the
// rename to the disk; false when the system refuses: POSIX rename(2) and link(2), or MoveFileExW.
bool MoveFileInPlace(std::string_view from, std::string_view to, bool replace);

// Renames the temporary file over the target after giving it the target's permissions (on
// Windows its attributes).
bool CommitReplacement(std::string_view temporary, std::string_view target);

}  // namespace zorvat::disk
