#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
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

  // One pass for several sections: visit(i, name, rawValue) for every key line with "=" of the
  // first section named sections[i], in file order. rawValue is the line's own text after "="
  // (ValueText turns it into what Read gives; a later duplicate has its own here). When visit
  // says false, the rest of that section is passed over.
  using KeyVisitor =
      std::function<bool(std::size_t section, std::string_view name, std::string_view rawValue)>;
  void ForEachKey(std::span<const std::string_view> sections, const KeyVisitor& visit) const;
  // A raw value as Read gives it: one pair of enclosing quotes removed, cut to 2047 characters.
  static std::string ValueText(std::string_view rawValue);

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
