#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorvat {

// The text of one profile (INI) file, read and changed by the rules Windows' profile functions
// follow (docs/profile-files.md). Text is UTF-8; encodings are the file layer's
// business. The text is kept as it is and every operation is one pass over it, so the memory a
// file takes is its size, however its lines are made.
class ProfileText {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;  // characters (code points), not bytes

  ProfileText() = default;
  static ProfileText Parse(std::string_view utf8Text);

  // The value of the first matching key of the first matching section (names matched without
  // regard to ASCII case, after trimming), cut to 2047 characters, one pair of enclosing
  // quotes removed; nothing when the section or key is missing.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;

  // Every key line with "=" of the first matching section, in file order, duplicates included.
  std::vector<std::string> KeyNames(std::string_view section) const;

  // The key lines of KeyNames with each line's own value as Read gives it (a later duplicate
  // gets its own value here, where Read would give the first's). Stops when `visit` says false.
  using KeyVisitor = std::function<bool(std::string_view name, std::string value)>;
  void ForEachKey(std::string_view section, const KeyVisitor& visit) const;

  // Replaces the first matching key's value in place (the line becomes the key's name as the
  // file spells it, "=", the value), or adds "key=value" after the last key line of its section,
  // or the section and key at the end of the text. Every other line stays as it was.
  // Names and value are written as given: a value with a line break, blanks at its ends or
  // enclosing quotes, and names with "=", "]" or a leading ";" or "[", do not read back as such.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  // The lines, each with its own line end as parsed (CR LF, LF or CR; lines added by Write end
  // in CR LF, and a last line without a line end gets CR LF when a line is added after it).
  // Parse(text).Render() == text for every text.
  const std::string& Render() const { return text_; }

 private:
  std::string text_;
};

// A whole file built in memory the way writing key after key into an empty file would build it:
// sections in the order of their first write, keys in the order of their first write, each with
// the value of its last write. Names are matched like ProfileText's (trimmed, ASCII case
// ignored); the spelling of the first write is kept. Linear in the number of writes.
class ProfileBuilder {
 public:
  void Write(std::string_view section, std::string_view key, std::string_view value);
  std::string Render() const;  // CRLF line ends

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
    std::unordered_map<std::string, std::size_t> keyIndex;  // folded name -> position in keys
  };
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> position
};

}  // namespace zorvat
