#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

// UTF-16 exists only at Win32 calls; invalid UTF-8 becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

bool IsValidUtf8(std::string_view bytes);

// Characters (code points) of UTF-8 text: continuation bytes do not count.
std::size_t CountCharacters(std::string_view utf8);

// The system's ANSI code page (Windows-1252 in the portable build). Which implementation is
// linked is the build's choice: the Windows build converts with the system's code page.
std::string AnsiToUtf8(std::string_view ansi);
std::optional<std::string> Utf8ToAnsi(
    std::string_view utf8);  // nothing when a character does not fit

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct DecodedText {
  std::string utf8;
  bool hadBom = false;
};

// A file's bytes: a UTF-8 BOM or valid UTF-8 is UTF-8, anything else the ANSI code page.
DecodedText DecodeFileText(std::string_view bytes);

// Text for a file: the ANSI code page when every character fits, no BOM is wanted and the
// bytes cannot be mistaken for UTF-8 on reading; otherwise UTF-8 with a BOM.
std::string EncodeFileText(std::string_view utf8, bool keepBom = false);

}  // namespace zorvat
