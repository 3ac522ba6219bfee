// Profile engine under random text: parse, read every listed key, write values, render,
// re-parse. No crash, no sanitizer report; a parsed text renders back unchanged; every listed
// key is found; what was written reads back, in memory and after a render and re-parse; the
// builder's text reads back the same way.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/TextEncoding.h"
#include "settings/ProfileText.h"

namespace {

using zorvat::ProfileBuilder;
using zorvat::ProfileText;

constexpr std::string_view kBlanks = "\t\n\v\f\r\x1A ";

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::string Folded(std::string_view s) {
  std::string out(Trim(s));
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c + 32);
    }
  }
  return out;
}

std::size_t CodePoints(std::string_view s) {
  std::size_t n = 0;
  for (const char c : s) {
    n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }
  return n;
}

// Candidate section names: what the text's "[" lines hold, plus a few fixed ones.
std::vector<std::string> SectionNames(std::string_view text) {
  std::vector<std::string> names = {"", "Config", "General", "Daily"};
  std::size_t start = 0;
  while (start <= text.size() && names.size() < 64) {
    auto stop = text.find_first_of("\r\n", start);
    if (stop == std::string_view::npos) {
      stop = text.size();
    }
    const std::string_view line = Trim(text.substr(start, stop - start));
    const auto close = line.rfind(']');
    if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
      names.emplace_back(line.substr(1, close - 1));
    }
    start = stop + 1;
  }
  return names;
}

// Random names and values that a profile file can hold and give back as written.
std::string Section(FuzzedDataProvider& in) {
  std::string s = in.ConsumeRandomLengthString(24);
  for (char& c : s) {
    if (c == '\r' || c == '\n') {
      c = '_';
    }
  }
  return s;
}

std::string Key(FuzzedDataProvider& in) {
  std::string s = in.ConsumeRandomLengthString(24);
  for (char& c : s) {
    if (c == '\r' || c == '\n' || c == '=') {
      c = '_';
    }
  }
  const std::string_view trimmed = Trim(s);
  if (!trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '[')) {
    s.insert(s.begin(), 'k');
  }
  return s;
}

std::string Value(FuzzedDataProvider& in) {
  std::string s = in.ConsumeRandomLengthString(in.ConsumeBool() ? 40 : 2100);
  for (char& c : s) {
    if (c == '\r' || c == '\n') {
      c = '_';
    }
  }
  if (s.size() > ProfileText::kMaxValueLength) {
    s.resize(ProfileText::kMaxValueLength);  // bytes, so at most as many characters
  }
  s = std::string(Trim(s));
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
    s.front() = 'x';
  }
  return s;
}

void ReadEveryListedKey(const ProfileText& text, const std::vector<std::string>& sections) {
  for (const std::string& section : sections) {
    for (const std::string& key : text.KeyNames(section)) {
      const auto value = text.Read(section, key);
      Check(value.has_value());
      Check(CodePoints(*value) <= ProfileText::kMaxValueLength);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string raw = in.ConsumeRandomLengthString(4096);

  // The text as the file layer gives it, and the raw bytes too: the engine takes any bytes.
  const auto decoded = zorvat::DecodeFileText(raw);
  for (const std::string& text : {decoded ? decoded->utf8 : raw, raw}) {
    ProfileText profile = ProfileText::Parse(text);
    Check(profile.Render() == text);
    const std::vector<std::string> sections = SectionNames(text);
    ReadEveryListedKey(profile, sections);

    std::map<std::pair<std::string, std::string>, std::string> written;
    ProfileBuilder builder;
    const int writes = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < writes && in.remaining_bytes() > 0; ++i) {
      const std::string section =
          in.ConsumeBool()
              ? sections[in.ConsumeIntegralInRange<std::size_t>(0, sections.size() - 1)]
              : Section(in);
      const std::string key = Key(in);
      const std::string value = Value(in);
      profile.Write(section, key, value);
      builder.Write(section, key, value);
      written[{Folded(section), Folded(key)}] = value;
      Check(profile.Read(section, key) == value);
    }

    const std::string rendered = profile.Render();
    const ProfileText reparsed = ProfileText::Parse(rendered);
    const ProfileText built = ProfileText::Parse(builder.Render());
    Check(reparsed.Render() == rendered);
    for (const auto& [names, value] : written) {
      Check(profile.Read(names.first, names.second) == value);
      Check(reparsed.Read(names.first, names.second) == value);
      Check(built.Read(names.first, names.second) == value);
    }
    ReadEveryListedKey(reparsed, SectionNames(rendered));
  }
  return 0;
}
