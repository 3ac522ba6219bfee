#include <gtest/gtest.h>

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
  EXPECT_EQ(EncodeFileText("abc", true),
            "\xEF\xBB\xBF"
            "abc");
  // "Ã©" fits Windows-1252 as C3 A9, which reads as UTF-8: it goes out as UTF-8.
  const std::string mistakable = "\xC3\x83\xC2\xA9";
  EXPECT_EQ(EncodeFileText(mistakable), std::string(kUtf8Bom) + mistakable);
  EXPECT_EQ(DecodeFileText(EncodeFileText(mistakable)).utf8, mistakable);
}

TEST(TextEncoding, FileBytesDecodeByBomValidityOrCodePage) {
  EXPECT_EQ(DecodeFileText("Gr\xFC\xDF\x65 \x80").utf8, "Gr\xC3\xBC\xC3\x9F\x65 \xE2\x82\xAC");
  const DecodedText bom = DecodeFileText("\xEF\xBB\xBF\xC3\xA4");
  EXPECT_TRUE(bom.hadBom);
  EXPECT_EQ(bom.utf8, "\xC3\xA4");
  const DecodedText plain = DecodeFileText("\xC3\xA4");
  EXPECT_FALSE(plain.hadBom);
  EXPECT_EQ(plain.utf8, "\xC3\xA4");
  // Every byte of the code page survives a round trip through UTF-8.
  std::string all;
  for (int b = 1; b < 256; ++b) {
    all += static_cast<char>(b);
  }
  const std::string utf8 = AnsiToUtf8(all);
  EXPECT_EQ(Utf8ToAnsi(utf8), all);
}

}  // namespace
}  // namespace zorvat
