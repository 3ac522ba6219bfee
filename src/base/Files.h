#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

// Paths travel as UTF-8 strings; this is the one door into std::filesystem.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

bool FileExists(std::string_view utf8Path);  // a regular file, not a folder

// Larger than any list or settings file the program writes: such a file is refused unread, so
// that a damaged or crafted one cannot take the memory and the time of the program.
inline constexpr std::uintmax_t kLargestReadableFile = 16u * 1024 * 1024;

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

// Writes a temporary file beside the target, flushes it to the disk and puts it in the target's
// place. A symbolic link is followed: its target is replaced and the link stays. The target keeps
// its permissions (on Windows its attributes and security). The temporary file has one name per
// target, so one left behind by a crash is removed by the next save. On failure the target is
// untouched, the temporary file is gone, and zorvat::Error "Unable to write to %s" names the
// target's full path. A read-only target refuses the write.
void ReplaceFileAtomically(std::string_view utf8Path, std::string_view bytes);

// The name of the temporary file a save of `target` writes.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& target);

// Puts the written temporary file in the target's place; false when the system refuses. Which
// implementation is linked is the build's choice: Windows keeps the target's identity through
// ReplaceFileW.
bool CommitReplacement(const std::filesystem::path& temporary, const std::filesystem::path& target);

}  // namespace zorvat
