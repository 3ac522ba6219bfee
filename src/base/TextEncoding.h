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

// How a file's text is stored. A file keeps its encoding when it is written back.
enum class FileEncoding {
  Plain,    // no byte-order mark: UTF-8 or the ANSI code page
  Utf8Bom,  // UTF-8 with its byte-order mark
  Utf16Le,  // UTF-16 with its byte-order mark, either byte order (Notepad's "Unicode")
  Utf16Be,
};

struct DecodedText {
  std::string utf8;
  FileEncoding encoding = FileEncoding::Plain;
};

// A file's bytes: a UTF-16 or UTF-8 byte-order mark names the encoding; without one, valid UTF-8
// is UTF-8 and anything else the ANSI code page. Nothing when the bytes are no text in any of
// these (a NUL character, a UTF-16 file cut in the middle of a character): such a file must not
// read as one without events or settings.
std::optional<DecodedText> DecodeFileText(std::string_view bytes);

// Text for a file in `encoding`. Plain is the ANSI code page when every character fits and the
// bytes cannot be mistaken for UTF-8 on reading; otherwise UTF-8 with a BOM.
std::string EncodeFileText(std::string_view utf8, FileEncoding encoding = FileEncoding::Plain);

// The encoding the file's bytes start with (a byte-order mark), Plain when none.
FileEncoding EncodingOf(std::string_view bytes);

}  // namespace zorvat
