#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat {

// The text of one profile (INI) file, held as its lines, read and changed by the rules Windows'
// profile functions follow. Text is UTF-8; encodings are the file layer's business.
class ProfileText {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  ProfileText() = default;
  static ProfileText Parse(std::string_view utf8Text);

  // The value of the first matching key of the first matching section (names matched without
  // regard to ASCII case, after trimming), cut to 2047 characters, one pair of enclosing
  // quotes removed; nothing when the section or key is missing.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;

  // Every key line with "=" of the first matching section, in file order, duplicates included.
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Replaces the first matching key's value in place, or adds the key at the end of its
  // section, or the section and key at the end of the text. Every other line stays as it was.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  // The lines joined with CRLF, ending in CRLF.
  std::string Render() const;

 private:
  std::vector<std::string> lines_;
};

// A whole file built in memory the way writing key after key into an empty file would build it:
// sections in the order of their first write, keys in the order of their first write, each with
// the value of its last write. Linear in the number of writes.
class ProfileBuilder {
 public:
  void Write(std::string_view section, std::string_view key, std::string_view value);
  std::string Render() const;  // CRLF line ends

 private:
  // Free to change: an index for the name look-ups belongs here.
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections_;
};

}  // namespace zorvat
