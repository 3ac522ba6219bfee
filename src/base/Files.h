#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

// Paths travel as UTF-8 strings; this is the one door into std::filesystem.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

bool FileExists(std::string_view utf8Path);  // a regular file, not a folder

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(std::string_view utf8Path);

// Writes a temporary file beside the target, flushes it to the disk and renames it over the
// target. On failure the target is untouched, the temporary file is gone, and zorvat::Error
// "Unable to write to %s" names the target's full path. A read-only target refuses the write.
void ReplaceFileAtomically(std::string_view utf8Path, std::string_view bytes);

}  // namespace zorvat
