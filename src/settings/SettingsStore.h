#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"

namespace zorvat {

// The settings file "Zorvat.ini" in the program folder. It keeps nothing but the
// path: every read reads the file (a missing file, section or key gives the caller's default),
// every write replaces the file atomically. A refused write throws zorvat::Error
// "Unable to write to %s" with the file's full path.
class SettingsFile {
 public:
  static constexpr std::string_view kFileName = "Zorvat.ini";

  // programFolder: UTF-8, with or without its trailing separator.
  explicit SettingsFile(std::string_view programFolder);
  // A settings file of another name, for tools that read one (UTF-8 path).
  struct FilePath {
    std::string_view path;
  };
  explicit SettingsFile(FilePath file) : path_(file.path) {}

  const std::string& Path() const { return path_; }

  // Up to 2047 characters, blanks at both ends dropped, one pair of enclosing quotes removed.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Hex after "0x"/"0X" (more than two characters) or "$", else signed decimal; the fallback
  // when the text does not convert (an empty value included).
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;
  // An integer read with the fallback 0 or 1; anything but 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key,
                    std::int32_t value);                                       // decimal
  void WriteBool(std::string_view section, std::string_view key, bool value);  // "1" / "0"
  // All of them in one replacement of the file, or none when the write is refused.
  void WriteAll(const std::vector<ProfileWrite>& writes);

  // The keys of the table (SettingsKeys.h), each with its reader's default.
  std::string Read(const StringKey& key) const;
  std::int32_t Read(const IntegerKey& key) const;
  bool Read(const BoolKey& key) const;
  void Write(const StringKey& key, std::string_view value);
  void Write(const IntegerKey& key, std::int32_t value);
  void Write(const BoolKey& key, bool value);

 private:
  std::string path_;
};

}  // namespace zorvat
