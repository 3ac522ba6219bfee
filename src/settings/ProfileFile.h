#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextEncoding.h"
#include "settings/ProfileText.h"

namespace zorvat {

// Profile files on disk. No cache: every read reads the file, every write reads it, changes one
// value and replaces it atomically. Files are decoded and encoded by DecodeFileText and
// EncodeFileText: a file keeps its encoding (UTF-16 with its BOM, UTF-8 with its BOM, or plain).

// The file's text, or nothing when it is missing, cannot be read, is larger than
// kLargestReadableFile or holds bytes that are no text we know.
std::optional<ProfileText> LoadProfileFile(std::string_view utf8Path);

// The value of a key, or `fallback` when the file, the section or the key is missing.
std::string ReadProfileString(std::string_view utf8Path, std::string_view section,
                              std::string_view key, std::string_view fallback);

// The key names of a section in file order (ProfileText::KeyNames); empty when missing.
std::vector<std::string> ReadProfileKeyNames(std::string_view utf8Path, std::string_view section);

// Writes one value by ProfileText::Write; a missing file is created. A refused write (read-only
// file, missing folder, a file that exists but cannot be read or decoded) throws zorvat::Error
// "Unable to write to %s" with the file's full path and leaves the file as it was.
void WriteProfileString(std::string_view utf8Path, std::string_view section, std::string_view key,
                        std::string_view value);

// One value to write.
struct ProfileWrite {
  std::string section;
  std::string key;
  std::string value;
  friend bool operator==(const ProfileWrite&, const ProfileWrite&) = default;
};

// Writes every value, in order, in one replacement of the file: all of them or, when the write
// is refused (as WriteProfileString), none.
void WriteProfileStrings(std::string_view utf8Path, const std::vector<ProfileWrite>& writes);

// Replaces the whole file with the text (for example a ProfileBuilder's) in `encoding`. Throws
// like WriteProfileString.
void WriteProfileFile(std::string_view utf8Path, std::string_view utf8Text,
                      FileEncoding encoding = FileEncoding::Plain);

}  // namespace zorvat
