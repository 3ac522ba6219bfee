#include <gtest/gtest.h>

#include <optional>

#include "base/Error.h"
#include "base/Fields.h"
#include "base/TextEncoding.h"

namespace zorvat {
namespace {

TEST(ExtractField, FieldsAndMissingFields) {
  const std::string value = "0|Hello World!|0|1|1";
  const char* expected[] = {"0", "Hello World!", "0", "1", "1", "1"};
  for (unsigned i = 0; i < 6; ++i) {
    EXPECT_EQ(ExtractField(value, '|', i), expected[i]) << i;
  }
  EXPECT_EQ(ExtractField("5|C:\\x.tmp", '|', 1), "C:\\x.tmp");
  EXPECT_EQ(ExtractField("5|C:\\x.tmp", '|', 4), "C:\\x.tmp");
  EXPECT_EQ(ExtractField("no separator", '|', 3), "no separator");
  EXPECT_EQ(ExtractField("a||c", '|', 1), "");
  EXPECT_EQ(ExtractField("a|b|", '|', 2), "");
  EXPECT_EQ(ExtractField("", '|', 0), "");
}

TEST(ErrorBoxText, FullStopAfterLettersAndDigitsOnly) {
  EXPECT_EQ(ErrorBoxText("Unable to write to C:\\Zorvat.ini"),
            "Unable to write to C:\\Zorvat.ini.");
  EXPECT_EQ(ErrorBoxText("'abc' is not a valid integer value"),
            "'abc' is not a valid integer value.");
  EXPECT_EQ(ErrorBoxText("Code 42"), "Code 42.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("Really!"), "Really!");
  EXPECT_EQ(ErrorBoxText("a-"), "a-");
  EXPECT_EQ(ErrorBoxText("a/"), "a/.");  // '/' comes after '.'
  EXPECT_EQ(ErrorBoxText(""), "");
  EXPECT_EQ(ErrorBoxText("Größe ä"), "Größe ä.");
}

TEST(TextEncoding, Utf16RoundTripWithSurrogates) {
  const std::string text = "Grüße \xE2\x82\xAC \xF0\x9F\x8E\x84";  // euro sign, a tree
  const std::u16string wide = Utf8ToUtf16(text);
  EXPECT_EQ(wide.size(), 10u);
  EXPECT_EQ(Utf16ToUtf8(wide), text);
  EXPECT_EQ(Utf8ToUtf16("\xFF"), u"\uFFFD");
  EXPECT_EQ(Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(TextEncoding, Utf8Validation) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("\xC3\xA4"));
  EXPECT_FALSE(IsValidUtf8("\xE4"));              // Windows-1252 ä
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
}

TEST(TextEncoding, FileTextIsAnsiWhenItFitsElseUtf8WithBom) {
  EXPECT_EQ(EncodeFileText("Gr\xC3\xBC\xC3\x9F\x65 \xE2\x82\xAC"), "Gr\xFC\xDF\x65 \x80");
  EXPECT_EQ(EncodeFileText("\xE2\x86\x92"), "\xEF\xBB\xBF\xE2\x86\x92");  // an arrow
  EXPECT_EQ(EncodeFileText("abc", FileEncoding::Utf8Bom),
            "\xEF\xBB\xBF"
            "abc");
  // "Ã©" fits Windows-1252 as C3 A9, which reads as UTF-8: it goes out as UTF-8.
  const std::string mistakable = "\xC3\x83\xC2\xA9";
  EXPECT_EQ(EncodeFileText(mistakable), std::string(kUtf8Bom) + mistakable);
  EXPECT_EQ(DecodeFileText(EncodeFileText(mistakable))->utf8, mistakable);
}

TEST(TextEncoding, FileBytesDecodeByBomValidityOrCodePage) {
  EXPECT_EQ(DecodeFileText("Gr\xFC\xDF\x65 \x80")->utf8, "Gr\xC3\xBC\xC3\x9F\x65 \xE2\x82\xAC");
  // Every byte of the code page survives a round trip through UTF-8.
  std::string all;
  for (int b = 1; b < 256; ++b) {
    all += static_cast<char>(b);
  }
  const std::string utf8 = AnsiToUtf8(all);
  EXPECT_EQ(Utf8ToAnsi(utf8), all);
}

// Notepad's "Unicode" is UTF-16 with a byte-order mark; NUL bytes mean no text we know, and
// such a file must never read as an empty one.
struct DecodeCase {
  const char* what;
  std::string bytes;
  std::optional<std::string> utf8;
  FileEncoding encoding;
};

TEST(TextEncoding, FileBytesDecodeByTheirMarkOrRefuse) {
  using enum FileEncoding;
  const DecodeCase cases[] = {
      {"ANSI", "Gr\xFC\xDF\x65", "Gr\xC3\xBC\xC3\x9F\x65", Plain},
      {"UTF-8", "\xC3\xA4", "\xC3\xA4", Plain},
      {"UTF-8 BOM", "\xEF\xBB\xBF\xC3\xA4", "\xC3\xA4", Utf8Bom},
      {"UTF-16 LE", std::string("\xFF\xFE[\0\xE4\0=\0\x3D\xD8\x00\xDE", 12),
       "[\xC3\xA4=\xF0\x9F\x98\x80", Utf16Le},
      {"UTF-16 BE", std::string("\xFE\xFF\0[\0\xE4\0=", 8), "[\xC3\xA4=", Utf16Be},
      {"UTF-16 without its mark", std::string("[\0S\0]\0", 6), std::nullopt, Plain},
      {"UTF-16 cut in a character", std::string("\xFF\xFE[\0S", 5), std::nullopt, Plain},
      {"UTF-32 LE", std::string("\xFF\xFE\0\0[\0\0\0", 8), std::nullopt, Plain},
      {"a NUL in ANSI text", std::string("[S]\r\nA=\0\xFC", 8), std::nullopt, Plain},
  };
  for (const DecodeCase& c : cases) {
    const auto decoded = DecodeFileText(c.bytes);
    ASSERT_EQ(decoded.has_value(), c.utf8.has_value()) << c.what;
    if (decoded) {
      EXPECT_EQ(decoded->utf8, *c.utf8) << c.what;
      EXPECT_EQ(decoded->encoding, c.encoding) << c.what;
      EXPECT_EQ(DecodeFileText(EncodeFileText(decoded->utf8, decoded->encoding))->utf8, *c.utf8)
          << c.what;
    }
  }
  EXPECT_EQ(EncodeFileText("[\xC3\xA4", FileEncoding::Utf16Le),
            std::string("\xFF\xFE[\0\xE4\0", 6));
  EXPECT_EQ(EncodeFileText("[\xC3\xA4", FileEncoding::Utf16Be),
            std::string("\xFE\xFF\0[\0\xE4", 6));
}

}  // namespace
}  // namespace zorvat
