#include "settings/ProfileText.h"

#include "base/TextUtil.h"

namespace zorvat {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

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

std::string ValueText(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(CutToCharacters(value, ProfileText::kMaxValueLength));
}

}  // namespace

// Only the first section of each name is reachable, so only those are indexed.
struct ProfileText::Index {
  struct Section {
    std::size_t header = 0;             // line of the section header
    std::size_t lastKeyLine = kNone;    // last key line (with or without "="), kNone when none
    std::vector<std::size_t> keyLines;  // key lines with "=", in file order
    std::unordered_map<std::string, std::size_t> firstKey;  // folded name -> its first line
  };
  std::vector<Section> sections;
  std::unordered_map<std::string, std::size_t> byName;  // folded name -> position in sections

  const Section* Find(std::string_view section) const {
    const auto found = byName.find(Fold(section));
    return found == byName.end() ? nullptr : &sections[found->second];
  }
};

ProfileText::ProfileText() = default;
ProfileText::ProfileText(const ProfileText& other) : lines_(other.lines_) {}

ProfileText& ProfileText::operator=(const ProfileText& other) {
  if (this != &other) {
    lines_ = other.lines_;
    index_.reset();
  }
  return *this;
}

ProfileText::ProfileText(ProfileText&& other) noexcept = default;
ProfileText& ProfileText::operator=(ProfileText&& other) noexcept = default;
ProfileText::~ProfileText() = default;

ProfileText ProfileText::Parse(std::string_view utf8Text) {
  ProfileText profile;
  std::size_t start = 0;
  while (start < utf8Text.size()) {
    const auto stop = utf8Text.find_first_of("\r\n", start);
    Line line;
    if (stop == std::string_view::npos) {
      line.text = utf8Text.substr(start);
      start = utf8Text.size();
    } else {
      line.text = utf8Text.substr(start, stop - start);
      if (utf8Text[stop] == '\r' && stop + 1 < utf8Text.size() && utf8Text[stop + 1] == '\n') {
        line.end = LineEnd::CrLf;
        start = stop + 2;
      } else {
        line.end = utf8Text[stop] == '\r' ? LineEnd::Cr : LineEnd::Lf;
        start = stop + 1;
      }
    }
    profile.lines_.push_back(std::move(line));
  }
  return profile;
}

const ProfileText::Index& ProfileText::GetIndex() const {
  if (index_) {
    return *index_;
  }
  auto index = std::make_unique<Index>();
  // Nothing before the first header, nor in a section whose name came before, is reachable.
  Index::Section* current = nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Classified line = Classify(lines_[i].text);
    if (line.kind == LineKind::Section) {
      const bool isNew = index->byName.try_emplace(Fold(line.name), index->sections.size()).second;
      current = isNew ? &index->sections.emplace_back() : nullptr;
      if (current != nullptr) {
        current->header = i;
      }
    } else if (line.kind == LineKind::Key && current != nullptr) {
      current->lastKeyLine = i;
      if (line.hasValue) {
        current->keyLines.push_back(i);
        current->firstKey.try_emplace(Fold(line.name), i);
      }
    }
  }
  index_ = std::move(index);
  return *index_;
}

std::optional<std::string> ProfileText::Read(std::string_view section, std::string_view key) const {
  const Index::Section* found = GetIndex().Find(section);
  if (found == nullptr) {
    return std::nullopt;
  }
  const auto line = found->firstKey.find(Fold(key));
  if (line == found->firstKey.end()) {
    return std::nullopt;
  }
  return ValueText(Classify(lines_[line->second].text).value);
}

std::vector<std::string> ProfileText::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Index::Section* found = GetIndex().Find(section)) {
    names.reserve(found->keyLines.size());
    for (const std::size_t line : found->keyLines) {
      names.emplace_back(Classify(lines_[line].text).name);
    }
  }
  return names;
}

void ProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimProfile(section);
  key = TrimProfile(key);
  const Index::Section* found = GetIndex().Find(section);
  if (found == nullptr) {
    std::string header = "[";
    header.append(section).append("]");
    InsertLine(lines_.size(), std::move(header));
    InsertLine(lines_.size(), std::string(key) + "=" + std::string(value));
    return;
  }
  const auto existing = found->firstKey.find(Fold(key));
  if (existing != found->firstKey.end()) {
    // The key keeps its name and place, so the index stays valid.
    Line& line = lines_[existing->second];
    line.text = std::string(Classify(line.text).name) + "=" + std::string(value);
    return;
  }
  const std::size_t after = found->lastKeyLine != kNone ? found->lastKeyLine : found->header;
  InsertLine(after + 1, std::string(key) + "=" + std::string(value));
}

void ProfileText::InsertLine(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].end == LineEnd::None) {
    lines_[at - 1].end = LineEnd::CrLf;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                Line{std::move(text), LineEnd::CrLf});
  index_.reset();
}

std::string ProfileText::Render() const {
  std::size_t size = 0;
  for (const Line& line : lines_) {
    size += line.text.size() + 2;
  }
  std::string out;
  out.reserve(size);
  for (const Line& line : lines_) {
    out += line.text;
    switch (line.end) {
      case LineEnd::None:
        break;
      case LineEnd::CrLf:
        out += "\r\n";
        break;
      case LineEnd::Lf:
        out += '\n';
        break;
      case LineEnd::Cr:
        out += '\r';
        break;
    }
  }
  return out;
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
