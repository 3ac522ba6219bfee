#include "settings/ProfileText.h"

#include <algorithm>

#include "base/TextUtil.h"

namespace zorvat {
namespace {

// The blanks that profile lines and names lose at both ends: tab, LF, VT, FF, CR, SUB, space.
constexpr std::string_view kProfileBlanks = "\t\n\v\f\r\x1A ";

std::string_view TrimProfile(std::string_view s) {
  const auto first = s.find_first_not_of(kProfileBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return s.substr(first, s.find_last_not_of(kProfileBlanks) - first + 1);
}

std::string_view TrimProfileRight(std::string_view s) {
  const auto last = s.find_last_not_of(kProfileBlanks);
  return last == std::string_view::npos ? std::string_view{} : s.substr(0, last + 1);
}

// The look-up form of a name: trimmed, ASCII letters in lower case.
std::string Fold(std::string_view name) {
  name = TrimProfile(name);
  std::string folded(name);
  for (char& c : folded) {
    c = ToLowerAscii(c);
  }
  return folded;
}

enum class LineKind { Blank, Comment, Section, Key };

struct Classified {
  LineKind kind;
  std::string_view name;   // section or key name; empty for blanks and comments
  bool hasValue = false;   // a key line with "="
  std::string_view value;  // after "=", left-trimmed (the line is trimmed already)
};

Classified Classify(std::string_view rawLine) {
  const std::string_view line = TrimProfile(rawLine);
  if (line.empty()) {
    return {LineKind::Blank, {}, false, {}};
  }
  if (line.front() == ';') {
    return {LineKind::Comment, {}, false, {}};
  }
  if (line.front() == '[') {
    const auto close = line.rfind(']');
    if (close != std::string_view::npos) {
      return {LineKind::Section, TrimProfile(line.substr(1, close - 1)), false, {}};
    }
  }
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) {
    return {LineKind::Key, line, false, {}};
  }
  const std::string_view value = line.substr(equals + 1);
  const auto valueStart = value.find_first_not_of(kProfileBlanks);
  return {LineKind::Key, TrimProfileRight(line.substr(0, equals)), true,
          valueStart == std::string_view::npos ? std::string_view{} : value.substr(valueStart)};
}

// At most `limit` code points of UTF-8 text, never splitting one.
std::string_view CutToCharacters(std::string_view s, std::size_t limit) {
  if (s.size() <= limit) {
    return s;
  }
  std::size_t count = 0;
  for (std::size_t at = 0; at < s.size(); ++at) {
    const bool lead = (static_cast<unsigned char>(s[at]) & 0xC0) != 0x80;
    if (lead && count++ == limit) {
      return s.substr(0, at);
    }
  }
  return s;
}

}  // namespace

namespace {

// One line of the text: [start, end) is its text, `next` the start of the line after its line
// end (CR LF, CR or LF); end == next for a last line without a line end.
struct LineSpan {
  std::size_t start = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

LineSpan LineAt(std::string_view text, std::size_t at) {
  // A plain loop: find_first_of looks each character up in the set, a call per character.
  std::size_t stop = at;
  while (stop < text.size() && text[stop] != '\r' && text[stop] != '\n') {
    ++stop;
  }
  if (stop == text.size()) {
    return {at, text.size(), text.size()};
  }
  std::size_t next = stop + 1;
  if (text[stop] == '\r' && next < text.size() && text[next] == '\n') {
    ++next;
  }
  return {at, stop, next};
}

std::string_view TextOf(std::string_view text, const LineSpan& line) {
  return text.substr(line.start, line.end - line.start);
}

bool SameName(std::string_view name, std::string_view folded) {
  return name.size() == folded.size() && EqualsNoCase(name, folded);
}

// Where the line after `line` starts, past the empty lines that follow it: they never matter
// to a look-up, and a file of nothing but line ends must not cost a pass per line.
std::size_t NextLineStart(std::string_view text, const LineSpan& line) {
  std::size_t start = line.end;
  while (start < text.size() && (text[start] == '\r' || text[start] == '\n')) {
    ++start;
  }
  return start;
}

// The header line of the first section of that name; only that one is reachable.
std::optional<LineSpan> FindSection(std::string_view text, std::string_view section) {
  const std::string folded = Fold(section);
  for (std::size_t at = 0; at < text.size();) {
    const LineSpan line = LineAt(text, at);
    const Classified c = Classify(TextOf(text, line));
    if (c.kind == LineKind::Section && SameName(c.name, folded)) {
      return line;
    }
    at = NextLineStart(text, line);
  }
  return std::nullopt;
}

// Calls visit(line, classified) for the key lines of a section, up to the next header; stops
// when visit says false.
template <typename Visit>
void ForEachKeyLine(std::string_view text, const LineSpan& header, Visit visit) {
  for (std::size_t at = NextLineStart(text, header); at < text.size();) {
    const LineSpan line = LineAt(text, at);
    const Classified c = Classify(TextOf(text, line));
    if (c.kind == LineKind::Section || (c.kind == LineKind::Key && !visit(line, c))) {
      return;
    }
    at = NextLineStart(text, line);
  }
}

}  // namespace

std::string ProfileText::ValueText(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(CutToCharacters(value, kMaxValueLength));
}

ProfileText ProfileText::Parse(std::string_view utf8Text) {
  ProfileText profile;
  profile.text_ = utf8Text;
  return profile;
}

std::optional<std::string> ProfileText::Read(std::string_view section, std::string_view key) const {
  const auto header = FindSection(text_, section);
  if (!header) {
    return std::nullopt;
  }
  const std::string folded = Fold(key);
  std::optional<std::string> value;
  ForEachKeyLine(text_, *header, [&](const LineSpan&, const Classified& c) {
    if (c.hasValue && SameName(c.name, folded)) {
      value = ValueText(c.value);
      return false;
    }
    return true;
  });
  return value;
}

void ProfileText::ForEachKey(std::span<const std::string_view> sections,
                             const KeyVisitor& visit) const {
  std::vector<std::string> folded;
  for (const std::string_view section : sections) {
    folded.push_back(Fold(section));
  }
  std::vector<bool> seen(sections.size(), false);
  std::vector<bool> done(sections.size(), false);
  std::optional<std::size_t> current;
  const std::string_view text = text_;
  for (std::size_t at = 0; at < text.size();) {
    const LineSpan line = LineAt(text, at);
    at = NextLineStart(text, line);
    const Classified c = Classify(TextOf(text, line));
    if (c.kind == LineKind::Section) {
      // Only the first section of a name is read.
      const auto found = std::find_if(folded.begin(), folded.end(), [&](const std::string& name) {
        return SameName(c.name, name);
      });
      const auto i = static_cast<std::size_t>(found - folded.begin());
      current = found != folded.end() && !seen[i] ? std::optional(i) : std::nullopt;
      if (current) {
        seen[i] = true;
      }
    } else if (c.kind == LineKind::Key && c.hasValue && current && !done[*current]) {
      done[*current] = !visit(*current, c.name, c.value);
    }
  }
}

std::vector<std::string> ProfileText::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  ForEachKey(std::span(&section, 1), [&](std::size_t, std::string_view name, std::string_view) {
    names.emplace_back(name);
    return true;
  });
  return names;
}

void ProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimProfile(section);
  key = TrimProfile(key);
  const std::string keyLine = std::string(key) + "=" + std::string(value);
  const auto header = FindSection(text_, section);
  if (!header) {
    std::string added = "[";
    added.append(section).append("]\r\n").append(keyLine).append("\r\n");
    if (!text_.empty() && text_.back() != '\n' && text_.back() != '\r') {
      text_ += "\r\n";
    }
    text_ += added;
    return;
  }
  const std::string folded = Fold(key);
  LineSpan after = *header;
  std::optional<LineSpan> match;
  std::string spelling;
  ForEachKeyLine(text_, *header, [&](const LineSpan& line, const Classified& c) {
    if (c.hasValue && SameName(c.name, folded)) {
      match = line;
      spelling = c.name;
      return false;
    }
    after = line;
    return true;
  });
  if (match) {
    // The key keeps the name as the file spells it, and its place.
    text_.replace(match->start, match->end - match->start, spelling + "=" + std::string(value));
  } else if (after.end == after.next) {
    text_.insert(after.next, "\r\n" + keyLine + "\r\n");
  } else {
    text_.insert(after.next, keyLine + "\r\n");
  }
}

void ProfileBuilder::Write(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimProfile(section);
  key = TrimProfile(key);
  const auto [sectionAt, newSection] = sectionIndex_.try_emplace(Fold(section), sections_.size());
  if (newSection) {
    sections_.push_back(Section{std::string(section), {}, {}});
  }
  Section& target = sections_[sectionAt->second];
  const auto [keyAt, newKey] = target.keyIndex.try_emplace(Fold(key), target.keys.size());
  if (newKey) {
    target.keys.emplace_back(std::string(key), std::string(value));
  } else {
    target.keys[keyAt->second].second = std::string(value);
  }
}

std::string ProfileBuilder::Render() const {
  std::string out;
  for (const Section& section : sections_) {
    out.append("[").append(section.name).append("]\r\n");
    for (const auto& [key, value] : section.keys) {
      out.append(key).append("=").append(value).append("\r\n");
    }
  }
  return out;
}

}  // namespace zorvat
