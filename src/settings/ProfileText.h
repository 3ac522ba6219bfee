#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorvat {

// The text of one profile (INI) file, held as its lines, read and changed by the rules Windows'
// profile functions follow (docs/profile-files.md). Text is UTF-8; encodings
// are the file layer's business. Look-ups go through a hash index built on first use after a
// change, so reading every key of a section is linear.
class ProfileText {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;  // characters (code points), not bytes

  ProfileText();
  static ProfileText Parse(std::string_view utf8Text);

  // The value of the first matching key of the first matching section (names matched without
  // regard to ASCII case, after trimming), cut to 2047 characters, one pair of enclosing
  // quotes removed; nothing when the section or key is missing.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;

  // Every key line with "=" of the first matching section, in file order, duplicates included.
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Replaces the first matching key's value in place (the line becomes the key's name as the
  // file spells it, "=", the value), or adds "key=value" after the last key line of its section,
  // or the section and key at the end of the text. Every other line stays as it was.
  // Names and value are written as given: a value with a line break, blanks at its ends or
  // enclosing quotes, and names with "=", "]" or a leading ";" or "[", do not read back as such.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  // The lines, each with its own line end as parsed (CR LF, LF or CR; lines added by Write end
  // in CR LF, and a last line without a line end gets CR LF when a line is added after it).
  // Parse(text).Render() == text for every text.
  std::string Render() const;

  ProfileText(const ProfileText& other);
  ProfileText& operator=(const ProfileText& other);
  ProfileText(ProfileText&& other) noexcept;
  ProfileText& operator=(ProfileText&& other) noexcept;
  ~ProfileText();

 private:
  enum class LineEnd : std::uint8_t { None, CrLf, Lf, Cr };
  struct Line {
    std::string text;  // as in the file, without its line end
    LineEnd end = LineEnd::None;
  };
  struct Index;

  const Index& GetIndex() const;
  void InsertLine(std::size_t at, std::string text);

  std::vector<Line> lines_;
  mutable std::unique_ptr<Index> index_;  // built on first look-up, dropped by every change
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
