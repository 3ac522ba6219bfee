// Windows-1252, the ANSI code page of the portable build.
#include <array>

#include "base/TextEncoding.h"

namespace zorvat {
namespace {

// 0x80..0x9F; the five bytes Windows leaves undefined map to the C1 controls of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::optional<char> FromUnicode(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
    return static_cast<char>(unit);
  }
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == unit) {
      return static_cast<char>(0x80 + i);
    }
  }
  return std::nullopt;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  std::u16string wide;
  wide.reserve(ansi.size());
  for (char c : ansi) {
    wide += ToUnicode(static_cast<unsigned char>(c));
  }
  return Utf16ToUtf8(wide);
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char16_t unit : Utf8ToUtf16(utf8)) {
    const auto byte = FromUnicode(unit);
    if (!byte) {
      return std::nullopt;
    }
    out += *byte;
  }
  return out;
}

}  // namespace zorvat
