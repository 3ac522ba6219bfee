#include "base/TextEncoding.h"

#include <cstdint>

namespace zorvat {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `at`; an ill-formed sequence gives nothing and advances one byte.
std::optional<char32_t> NextCodePoint(std::string_view s, size_t& at) {
  const auto lead = static_cast<unsigned char>(s[at]);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  int length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++at;
    return std::nullopt;
  }
  if (at + static_cast<size_t>(length) > s.size()) {
    ++at;
    return std::nullopt;
  }
  for (int i = 1; i < length; ++i) {
    const auto trail = static_cast<unsigned char>(s[at + static_cast<size_t>(i)]);
    if ((trail & 0xC0) != 0x80) {
      ++at;
      return std::nullopt;
    }
    cp = (cp << 6) | (trail & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++at;
    return std::nullopt;
  }
  at += static_cast<size_t>(length);
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, at).value_or(kReplacement);
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    if (!NextCodePoint(bytes, at)) {
      return false;
    }
  }
  return true;
}

std::size_t CountCharacters(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8) {
    n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }
  return n;
}

namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

std::optional<std::string> DecodeUtf16(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2 != 0) {
    return std::nullopt;
  }
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return Utf16ToUtf8(units);
}

std::string EncodeUtf16(std::string_view utf8, bool bigEndian) {
  const std::u16string units = Utf8ToUtf16(utf8);
  std::string out(bigEndian ? kUtf16BeBom : kUtf16LeBom);
  out.reserve(2 + 2 * units.size());
  for (const char16_t unit : units) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  }
  return out;
}

}  // namespace

FileEncoding EncodingOf(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) {
    return FileEncoding::Utf8Bom;
  }
  if (bytes.starts_with(kUtf16LeBom)) {
    return FileEncoding::Utf16Le;
  }
  if (bytes.starts_with(kUtf16BeBom)) {
    return FileEncoding::Utf16Be;
  }
  return FileEncoding::Plain;
}

std::optional<DecodedText> DecodeFileText(std::string_view bytes) {
  const FileEncoding encoding = EncodingOf(bytes);
  std::optional<std::string> text;
  switch (encoding) {
    case FileEncoding::Utf8Bom:
      bytes.remove_prefix(kUtf8Bom.size());
      text.emplace();
      text->reserve(bytes.size());
      for (size_t at = 0; at < bytes.size();) {
        AppendUtf8(*text, NextCodePoint(bytes, at).value_or(kReplacement));
      }
      break;
    case FileEncoding::Utf16Le:
    case FileEncoding::Utf16Be:
      text = DecodeUtf16(bytes.substr(2), encoding == FileEncoding::Utf16Be);
      break;
    case FileEncoding::Plain:
      text = IsValidUtf8(bytes) ? std::string(bytes) : AnsiToUtf8(bytes);
      break;
  }
  // No text file holds a NUL; UTF-16 without its mark and UTF-32 do, and so does any binary file.
  if (!text || text->find('\0') != std::string::npos) {
    return std::nullopt;
  }
  return DecodedText{std::move(*text), encoding};
}

std::string EncodeFileText(std::string_view utf8, FileEncoding encoding) {
  switch (encoding) {
    case FileEncoding::Utf16Le:
    case FileEncoding::Utf16Be:
      return EncodeUtf16(utf8, encoding == FileEncoding::Utf16Be);
    case FileEncoding::Plain:
      if (auto ansi = Utf8ToAnsi(utf8)) {
        // ANSI bytes that happen to form valid UTF-8 (say "Ã©") would read back as other text.
        if (*ansi == utf8 || !IsValidUtf8(*ansi)) {
          return std::move(*ansi);
        }
      }
      break;
    case FileEncoding::Utf8Bom:
      break;
  }
  std::string out(kUtf8Bom);
  out.append(utf8);
  return out;
}

}  // namespace zorvat
