#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

// Paths travel as UTF-8 strings. What touches the disk is each system's own (Disk.h): the
// build links the POSIX half or the Win32 one.

// `folder` and `name` with one separator between them ("\" on Windows, "/" elsewhere).
std::string JoinPath(std::string_view folder, std::string_view name);
// What follows the last separator.
std::string FileNameOf(std::string_view path);
// The path from the root, as the system resolves a relative one; nothing for an empty path.
std::optional<std::string> AbsolutePath(std::string_view path);

bool FileExists(std::string_view utf8Path);  // a regular file, not a folder

// True when nothing at all is at the path (not even a dangling link).
bool NothingAt(std::string_view utf8Path);
// True when something is at the path for certain, a dangling link too; false when nothing is, or
// when the system cannot say.
bool SomethingAt(std::string_view utf8Path);

// Creates the folder and every missing folder above it; true when a folder is there afterwards.
bool CreateFolders(std::string_view utf8Path);

// Removes a file (or a link, not what it names); false when nothing was removed.
bool RemoveFile(std::string_view utf8Path);

// Larger than any list or settings file the program writes: such a file is refused unread, so
// that a damaged or crafted one cannot take the memory and the time of the program.
inline constexpr std::uintmax_t kLargestReadableFile = std::uintmax_t{16} * 1024 * 1024;

enum class ReadOutcome {
  Read,
  Missing,     // nothing at the path
  Unreadable,  // something is there but cannot be read as a file: no permission, a folder, a device
  TooLarge,    // more than kLargestReadableFile bytes
};

struct FileBytes {
  ReadOutcome outcome = ReadOutcome::Missing;
  std::string bytes;  // when read
};

FileBytes ReadWholeFile(std::string_view utf8Path);

// Up to `count` bytes from the start of the file; empty when it cannot be read.
std::string ReadFileStart(std::string_view utf8Path, std::size_t count);

// The whole file, or nothing when it was not read.
std::optional<std::string> ReadFileBytes(std::string_view utf8Path);

// Writes the new bytes beside the target, flushes them to the disk and puts them in the target's
// place in one rename, so that at every instant the name holds the old or the new content. A
// symbolic link is followed natively: its target is replaced and the link stays. The target keeps
// its permissions (on Windows its attributes). The bytes are written to PartialFileFor(target) and,
// once whole on the disk, renamed to TemporaryFileFor(target): a kill leaves at most these two,
// and the next save removes them while the target exists. When the target is missing, a
// temporary file found there may be the only copy of its content (see RecoverInterruptedSave):
// it is moved aside to KeptFileFor(target), never deleted. On failure the target is untouched and
// zorvat::Error "Unable to write to %s" names the target's full path. A read-only target refuses
// the write.
void ReplaceFileAtomically(std::string_view utf8Path, std::string_view bytes);

// Where a save writes the new bytes, and where they wait whole for the last rename.
std::string PartialFileFor(std::string_view target);
std::string TemporaryFileFor(std::string_view target);
// Where a save puts a temporary file it found without its target: the first free one of
// "TARGET.~kept.tmp", "TARGET.~kept 2.tmp", ...
std::string KeptFileFor(std::string_view target);

// A save was ended between its last two renames (or by a system whose replace is not one step):
// the target is missing and TemporaryFileFor(target) holds the whole new content. Moves it into
// the target's place without replacing anything; true when it did. The caller checks first that
// the temporary file reads as what the target should be.
bool RecoverInterruptedSave(std::string_view utf8Path);

// Whether a save could replace the file: it is a writable file or missing (else the file
// refuses), and a file can be made beside it (else the folder refuses; the probe is removed
// again).
enum class Replacing { Possible, FileRefuses, FolderRefuses };
Replacing CheckReplacing(std::string_view utf8Path);

}  // namespace zorvat
