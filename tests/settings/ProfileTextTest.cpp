#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/ProfileText.h"

namespace zorvat {
namespace {

// ---- Reading: one row per rule, the tricky cases spelled out. ----

struct ReadCase {
  const char* rule;
  std::string text;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

const ReadCase kReadCases[] = {
    {"plain key", "[Config]\r\nMainRefresh=5000\r\n", "Config", "MainRefresh", "5000"},
    {"last line without a line end", "[Config]\r\nA=1", "Config", "A", "1"},
    {"LF line ends", "[Config]\nA=1\nB=2\n", "Config", "B", "2"},
    {"CR line ends", "[Config]\rA=1\rB=2\r", "Config", "B", "2"},
    {"mixed runs of CR and LF", "[Config]\n\r\r\nA=1\r\r\r\nB=2", "Config", "B", "2"},
    {"section name is trimmed", "[ Config ]\r\nA=1\r\n", "Config", "A", "1"},
    {"section header indented", "  \t[Config]\r\nA=1\r\n", "Config", "A", "1"},
    {"name runs to the last ]", "[a]b]\r\nA=1\r\n", "a]b", "A", "1"},
    {"text after the last ] is ignored", "[Config] ; note\r\nA=1\r\n", "Config", "A", "1"},
    {"[ without ] is a key line", "[Config]\r\n[odd=1\r\n", "Config", "[odd", "1"},
    {"[ without ] does not start a section", "[Config]\r\n[Other\r\nA=1\r\n", "Config", "A", "1"},
    {"empty section name", "[]\r\nA=1\r\n", "", "A", "1"},
    {"section matched without case", "[CONFIG]\r\nA=1\r\n", "config", "A", "1"},
    {"key matched without case", "[Config]\r\nSHortCut_File#2=x\r\n", "Config", "ShortCut_File#2",
     "x"},
    {"asked names are trimmed", "[Config]\r\nA=1\r\n", " Config\t", " A ", "1"},
    {"non-ASCII letters keep their case", "[Config]\r\n\xC3\x84=1\r\n", "Config", "\xC3\xA4",
     std::nullopt},
    {"key name right-trimmed", "[Config]\r\nA \t=1\r\n", "Config", "A", "1"},
    {"key line indented", "[Config]\r\n   A=1\r\n", "Config", "A", "1"},
    {"value left-trimmed", "[Config]\r\nA=  \t1\r\n", "Config", "A", "1"},
    {"value right-trimmed", "[Config]\r\nA=1 \t\x1A\v\f\r\n", "Config", "A", "1"},
    {"blanks inside the value stay", "[Config]\r\nA= x  y \r\n", "Config", "A", "x  y"},
    {"value keeps further =", "[Config]\r\nA=b=c\r\n", "Config", "A", "b=c"},
    {"name before the first =", "[Config]\r\nA=b=c\r\n", "Config", "A=b", std::nullopt},
    {"key= is an empty value", "[Config]\r\nA=\r\n", "Config", "A", ""},
    {"key= with blanks is an empty value", "[Config]\r\nA=   \r\n", "Config", "A", ""},
    {"line without = is no key", "[Config]\r\nA\r\n", "Config", "A", std::nullopt},
    {"empty key name", "[Config]\r\n=1\r\n", "Config", "", "1"},
    {"comment line never matches", "[Config]\r\n;A=1\r\n", "Config", ";A", std::nullopt},
    {"indented comment never matches", "[Config]\r\n  ;A=1\r\nA=2\r\n", "Config", "A", "2"},
    {"semicolon inside a value stays", "[Config]\r\nA=1 ; x\r\n", "Config", "A", "1 ; x"},
    {"nameless leading section unreachable", "A=1\r\n[Config]\r\n", "", "A", std::nullopt},
    {"nameless leading section, other section", "A=1\r\n[Config]\r\n", "Config", "A", std::nullopt},
    {"key of another section is not found", "[One]\r\nA=1\r\n[Two]\r\n", "Two", "A", std::nullopt},
    {"missing section", "[Config]\r\nA=1\r\n", "Other", "A", std::nullopt},
    {"missing key", "[Config]\r\nA=1\r\n", "Config", "B", std::nullopt},
    {"empty text", "", "Config", "A", std::nullopt},
    {"duplicate section: first only", "[S]\r\nA=1\r\n[s]\r\nA=2\r\nB=3\r\n", "S", "B",
     std::nullopt},
    {"duplicate key: the first", "[S]\r\nA=1\r\na=2\r\n", "S", "A", "1"},
    {"duplicate key after a line without =", "[S]\r\nA\r\nA=2\r\n", "S", "A", "2"},
    {"double quotes removed", "[S]\r\nA=\"x y\"\r\n", "S", "A", "x y"},
    {"single quotes removed", "[S]\r\nA='x'\r\n", "S", "A", "x"},
    {"only one pair removed", "[S]\r\nA=\"\"x\"\"\r\n", "S", "A", "\"x\""},
    {"two quotes give empty text", "[S]\r\nA=\"\"\r\n", "S", "A", ""},
    {"one quote alone stays", "[S]\r\nA=\"\r\n", "S", "A", "\""},
    {"different quotes stay", "[S]\r\nA=\"x'\r\n", "S", "A", "\"x'"},
    {"quote at one end only stays", "[S]\r\nA=\"x\r\n", "S", "A", "\"x"},
    {"blanks inside quotes stay", "[S]\r\nA=\" x \"\r\n", "S", "A", " x "},
    {"quotes after trimming", "[S]\r\nA=  'x'  \r\n", "S", "A", "x"},
    {"SUB trimmed at the file end", "[S]\r\nA=1\x1A", "S", "A", "1"},
    {"blank lines between keys", "[S]\r\n\r\n\r\nA=1\r\n", "S", "A", "1"},
};

class ProfileReadRule : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadRule, GivesTheExpectedValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ProfileText::Parse(c.text).Read(c.section, c.key), c.expected) << c.rule;
}

INSTANTIATE_TEST_SUITE_P(ProfileText, ProfileReadRule, ::testing::ValuesIn(kReadCases));

TEST(ProfileText_Read, ValueIsCutTo2047Characters) {
  const std::string longValue(3000, 'v');
  const auto read = ProfileText::Parse("[S]\r\nA=" + longValue + "\r\n").Read("S", "A");
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, std::string(2047, 'v'));
}

TEST(ProfileText_Read, CutCountsCharactersNotBytes) {
  std::string value;
  for (int i = 0; i < 2100; ++i) {
    value += "\xC3\xBC";  // u-umlaut, two bytes
  }
  const auto read = ProfileText::Parse("[S]\r\nA=" + value + "\r\n").Read("S", "A");
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, value.substr(0, 2 * 2047));
}

TEST(ProfileText_Read, QuotesRemovedBeforeTheCut) {
  const std::string inner(2047, 'q');
  const auto read = ProfileText::Parse("[S]\r\nA=\"" + inner + "\"\r\n").Read("S", "A");
  EXPECT_EQ(read, inner);
}

TEST(ProfileText_Read, ExactlyTheLimitIsKept) {
  const std::string value(2047, 'x');
  EXPECT_EQ(ProfileText::Parse("[S]\r\nA=" + value).Read("S", "A"), value);
}

// ---- Listing keys ----

TEST(ProfileText_KeyNames, FileOrderDuplicatesIncludedOnlyLinesWithEquals) {
  const auto text = ProfileText::Parse(
      "[S]\r\nb=1\r\n; c=2\r\nnovalue\r\n  a  = 3\r\nB=4\r\n\r\n=5\r\n[T]\r\nx=1\r\n");
  EXPECT_EQ(text.KeyNames("s"), (std::vector<std::string>{"b", "a", "B", ""}));
  EXPECT_EQ(text.KeyNames("T"), (std::vector<std::string>{"x"}));
  EXPECT_TRUE(text.KeyNames("missing").empty());
}

TEST(ProfileText_KeyNames, AnIndentedCommentIsNeitherAKeyNorListed) {
  const auto text = ProfileText::Parse("[Daily]\r\n  ;A=1\r\n\t;07:00:00=0|x||0|1\r\nB=2\r\n");
  EXPECT_EQ(text.KeyNames("Daily"), (std::vector<std::string>{"B"}));
  EXPECT_EQ(text.Read("Daily", ";A"), std::nullopt);
  EXPECT_EQ(text.Read("Daily", "  ;A"), std::nullopt);
}

TEST(ProfileText_KeyNames, FirstOfDuplicateSectionsOnly) {
  const auto text = ProfileText::Parse("[S]\r\na=1\r\n[T]\r\n[S]\r\nb=2\r\n");
  EXPECT_EQ(text.KeyNames("S"), (std::vector<std::string>{"a"}));
}

TEST(ProfileText_KeyNames, NamelessLeadingSectionIsNotListed) {
  const auto text = ProfileText::Parse("a=1\r\n[S]\r\n");
  EXPECT_TRUE(text.KeyNames("").empty());
  EXPECT_TRUE(text.KeyNames("S").empty());
}

// ---- Rendering ----

TEST(ProfileText_Render, ParsedTextRendersBackByteForByte) {
  for (const std::string& text :
       {std::string(""), std::string("\r\n"), std::string("a"), std::string("[S]\nA=1\r\n\r\r"),
        std::string("\n\r\n\r"), std::string("  [S] \r\n\t A = 1 \x1A\r\n;c\r\n"),
        std::string("x\0y\r\n", 5)}) {
    EXPECT_EQ(ProfileText::Parse(text).Render(), text);
  }
}

// ---- Writing one value ----

struct WriteCase {
  const char* rule;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

const WriteCase kWriteCases[] = {
    {"in place, other lines byte for byte",
     "; top\r\n[Config]\r\n  A = old \r\nB=2\r\n\r\n[Other]\r\nA=x\r\n", "Config", "a", "new",
     "; top\r\n[Config]\r\nA=new\r\nB=2\r\n\r\n[Other]\r\nA=x\r\n"},
    {"in place keeps the file's key spelling", "[ShortCuts]\r\nShortCut_Name#1=a\r\n", "SHORTCUTS",
     "SHortCut_Name#1", "b", "[ShortCuts]\r\nShortCut_Name#1=b\r\n"},
    {"in place keeps LF line ends", "[S]\nA=1\nB=2\n", "S", "A", "9", "[S]\nA=9\nB=2\n"},
    {"first of duplicate keys", "[S]\r\nA=1\r\nA=2\r\n", "S", "A", "3", "[S]\r\nA=3\r\nA=2\r\n"},
    {"first of duplicate sections", "[S]\r\nA=1\r\n[S]\r\nA=2\r\n", "S", "A", "3",
     "[S]\r\nA=3\r\n[S]\r\nA=2\r\n"},
    {"empty value", "[S]\r\nA=1\r\n", "S", "A", "", "[S]\r\nA=\r\n"},
    {"missing key after the section's last key line", "[S]\r\nA=1\r\n\r\n[T]\r\nC=3\r\n", "S", "B",
     "2", "[S]\r\nA=1\r\nB=2\r\n\r\n[T]\r\nC=3\r\n"},
    {"missing key after a key line without =", "[S]\r\nA=1\r\nloose\r\n; c\r\n[T]\r\n", "S", "B",
     "2", "[S]\r\nA=1\r\nloose\r\nB=2\r\n; c\r\n[T]\r\n"},
    {"missing key in an empty section", "[S]\r\n\r\n[T]\r\n", "s", "B", "2",
     "[S]\r\nB=2\r\n\r\n[T]\r\n"},
    {"missing key in the last section without a line end", "[S]\r\nA=1", "S", "B", "2",
     "[S]\r\nA=1\r\nB=2\r\n"},
    {"missing key in the first of duplicate sections", "[S]\r\nA=1\r\n[S]\r\nB=1\r\n", "S", "B",
     "2", "[S]\r\nA=1\r\nB=2\r\n[S]\r\nB=1\r\n"},
    {"key of the nameless leading section is not reached", "B=1\r\n[S]\r\n", "S", "B", "2",
     "B=1\r\n[S]\r\nB=2\r\n"},
    {"missing section at the end", "[S]\r\nA=1\r\n", "T", "B", "2", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n"},
    {"missing section after blank lines", "[S]\r\nA=1\r\n\r\n", "T", "B", "2",
     "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n"},
    {"missing section, last line without a line end", "[S]\r\nA=1", "T", "B", "2",
     "[S]\r\nA=1\r\n[T]\r\nB=2\r\n"},
    {"empty text", "", "Config", "Active", "1", "[Config]\r\nActive=1\r\n"},
    {"names are trimmed when added", "", " Config ", "\tActive ", "1", "[Config]\r\nActive=1\r\n"},
    {"a comment is no key", "[S]\r\n;A=1\r\n", "S", "A", "2", "[S]\r\nA=2\r\n;A=1\r\n"},
};

class ProfileWriteRule : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteRule, ChangesOnlyWhatTheRuleSays) {
  const WriteCase& c = GetParam();
  ProfileText text = ProfileText::Parse(c.before);
  text.Write(c.section, c.key, c.value);
  EXPECT_EQ(text.Render(), c.after) << c.rule;
  EXPECT_EQ(text.Read(c.section, c.key), c.value) << c.rule;
  EXPECT_EQ(ProfileText::Parse(text.Render()).Read(c.section, c.key), c.value) << c.rule;
}

INSTANTIATE_TEST_SUITE_P(ProfileText, ProfileWriteRule, ::testing::ValuesIn(kWriteCases));

TEST(ProfileText_Write, SuccessiveWritesAndReadsAgree) {
  ProfileText text;
  text.Write("Config", "A", "1");
  text.Write("Recent", "X", "x");
  text.Write("Config", "B", "2");
  text.Write("config", "a", "3");
  EXPECT_EQ(text.Render(), "[Config]\r\nA=3\r\nB=2\r\n[Recent]\r\nX=x\r\n");
  EXPECT_EQ(text.Read("Config", "A"), "3");
  EXPECT_EQ(text.KeyNames("Config"), (std::vector<std::string>{"A", "B"}));
}

TEST(ProfileText_Write, CopiesAreIndependent) {
  ProfileText a = ProfileText::Parse("[S]\r\nA=1\r\n");
  EXPECT_EQ(a.Read("S", "A"), "1");  // builds the index
  ProfileText b = a;
  b.Write("S", "B", "2");
  EXPECT_EQ(a.Read("S", "B"), std::nullopt);
  EXPECT_EQ(b.Read("S", "B"), "2");
  a = b;
  EXPECT_EQ(a.Read("S", "B"), "2");
}

// ---- Building a whole file ----

TEST(ProfileBuilder, OrderOfFirstWriteValueOfLastWrite) {
  ProfileBuilder builder;
  builder.Write("BaseInfo", "ProgID", "Brumsel! Zorvat v1.1");
  builder.Write("Daily", "08:00:00", "0|first||0|1");
  builder.Write("Daily", "07:15:00", "1|C:\\Sounds\\wake.wav||0|1");
  builder.Write("Weekly", "17:00:00", "x");
  builder.Write("daily", "08:00:00", "0|second||0|1");
  EXPECT_EQ(builder.Render(),
            "[BaseInfo]\r\nProgID=Brumsel! Zorvat v1.1\r\n"
            "[Daily]\r\n08:00:00=0|second||0|1\r\n07:15:00=1|C:\\Sounds\\wake.wav||0|1\r\n"
            "[Weekly]\r\n17:00:00=x\r\n");
}

TEST(ProfileBuilder, KeysMatchWithoutCaseAndKeepTheFirstSpelling) {
  ProfileBuilder builder;
  builder.Write("General", "1/2/2026 6:30:00 PM", "a");
  builder.Write(" GENERAL ", "1/2/2026 6:30:00 pm ", "b");
  EXPECT_EQ(builder.Render(), "[General]\r\n1/2/2026 6:30:00 PM=b\r\n");
}

TEST(ProfileBuilder, EmptyBuilderRendersNothing) {
  EXPECT_EQ(ProfileBuilder().Render(), "");
}

TEST(ProfileBuilder, SameTextAsWritingKeyAfterKeyIntoAnEmptyFile) {
  ProfileBuilder builder;
  ProfileText text;
  const char* sections[] = {"A", "b", "B", "c", "a"};
  for (int i = 0; i < 200; ++i) {
    const std::string section = sections[i % 5];
    const std::string key = "k" + std::to_string((i * 7) % 23);
    const std::string value = "v" + std::to_string(i);
    builder.Write(section, key, value);
    text.Write(section, key, value);
  }
  EXPECT_EQ(builder.Render(), text.Render());
}

}  // namespace
}  // namespace zorvat
