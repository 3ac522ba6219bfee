#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <random>
#include <vector>

#include "base/DateTimeText.h"
#include "base/Error.h"
#include "base/IntegerText.h"

namespace zorvat {
namespace {

const RegionalFormats kUs = RegionalFormats::EnUs();
const RegionalFormats kDe = RegionalFormats::DeDe();
constexpr int kYear = 2026;

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return EncodeDateTime({y, mo, d}, {h, mi, s, ms});
}

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(Formatting, BothRegionalSets) {
  const DateTime christmas = At(1998, 12, 24, 18, 30, 0, 999);
  EXPECT_EQ(FormatDateTime(christmas, kUs), "12/24/1998 6:30:00 PM");
  EXPECT_EQ(FormatDateTime(christmas, kDe), "24.12.1998 18:30:00");
  EXPECT_EQ(FormatTime(At(2000, 1, 1, 0, 5, 9), kUs), "12:05:09 AM");
  EXPECT_EQ(FormatTime(At(2000, 1, 1, 12, 0, 0), kUs), "12:00:00 PM");
  EXPECT_EQ(FormatTime(At(2000, 1, 1, 7, 15, 0), kDe), "07:15:00");
  // Midnight: the date alone; milliseconds do not count as a time.
  EXPECT_EQ(FormatDateTime(At(1998, 12, 24, 0, 0, 0, 500), kDe), "24.12.1998");
  EXPECT_EQ(FormatDateTime(At(1998, 12, 24, 0, 0, 1), kDe), "24.12.1998 00:00:01");
  // Milliseconds are dropped, never rounded up.
  EXPECT_EQ(FormatTime(At(2000, 1, 1, 23, 59, 59, 999), kDe), "23:59:59");
}

TEST(Formatting, PictureTokens) {
  const DateTime value = At(2026, 3, 5, 14, 7, 9);  // a Thursday
  RegionalFormats f = kUs;
  EXPECT_EQ(FormatPicture(value, "dddd, MMMM d, yyyy", f), "Thursday, March 5, 2026");
  EXPECT_EQ(FormatPicture(value, "ddd dd MMM yy y", f), "Thu 05 Mar 26 26");
  EXPECT_EQ(FormatPicture(value, "gg yyyy", f), " 2026");
  EXPECT_EQ(FormatPicture(value, "hh:m:s t", f), "02:7:9 P");
  EXPECT_EQ(FormatPicture(value, "H 'h' mm 'Uhr'", f), "14 h 07 Uhr");
  EXPECT_EQ(FormatPicture(At(2005, 1, 1), "y", f), "5");
  EXPECT_EQ(FormatPicture(value, "dddd", kDe), "Donnerstag");
  f.pm = "\xE4\xB8\x8B\xE5\x8D\x88";
  EXPECT_EQ(FormatPicture(value, "t", f), "\xE4\xB8\x8B");  // a character, not its first byte
}

TEST(Formatting, SeparatorsAndOrderComeFromThePictures) {
  EXPECT_EQ(kUs.DateSeparator(), '/');
  EXPECT_EQ(kDe.DateSeparator(), '.');
  EXPECT_EQ(kUs.TimeSeparator(), ':');
  EXPECT_EQ(DateOrderOf("M/d/yyyy"), DateOrder::MDY);
  EXPECT_EQ(DateOrderOf("dd.MM.yyyy"), DateOrder::DMY);
  EXPECT_EQ(DateOrderOf("yyyy-MM-dd"), DateOrder::YMD);
  RegionalFormats iso = kUs;
  iso.shortDate = "yyyy-MM-dd";
  EXPECT_EQ(iso.DateSeparator(), '-');
  EXPECT_EQ(ParseDate("2026-12-07", iso, kYear), At(2026, 12, 7));
  // The designator first, set apart by a blank: the blank separates no hours from minutes.
  RegionalFormats taiwan = kUs;
  taiwan.longTime = "tt hh:mm:ss";
  taiwan.am = "\xE4\xB8\x8A\xE5\x8D\x88";
  taiwan.pm = "\xE4\xB8\x8B\xE5\x8D\x88";
  EXPECT_EQ(taiwan.TimeSeparator(), ':');
  const DateTime evening = At(1899, 12, 30, 18, 30, 5);
  EXPECT_EQ(ParseTime(FormatTime(evening, taiwan), taiwan), evening);
}

struct DateCase {
  const char* text;
  bool german;
  int y, m, d;  // y == 0: not a date
};

void PrintTo(const DateCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class ParseDateTable : public ::testing::TestWithParam<DateCase> {};

TEST_P(ParseDateTable, Parses) {
  const DateCase& c = GetParam();
  const RegionalFormats& f = c.german ? kDe : kUs;
  if (c.y == 0) {
    EXPECT_EQ(ErrorOf([&] { ParseDate(c.text, f, kYear); }),
              std::string("'") + c.text + "' is not a valid date");
  } else {
    EXPECT_EQ(ParseDate(c.text, f, kYear), At(c.y, c.m, c.d)) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ParseDateTable,
    ::testing::Values(
        DateCase{"12/24/1998", false, 1998, 12, 24}, DateCase{"24.12.1998", true, 1998, 12, 24},
        DateCase{"  24 . 12 . 1998  ", true, 1998, 12, 24}, DateCase{"1.2.3", true, 2003, 2, 1},
        DateCase{"1.2.75", true, 2075, 2, 1},  // window: 50 years back,
        DateCase{"1.2.76", true, 1976, 2, 1},  // 49 ahead
        DateCase{"1.2.00", true, 2000, 2, 1},
        DateCase{"1.2.099", true, 99, 2, 1},     // three digits: as written
        DateCase{"24.12", true, kYear, 12, 24},  // two numbers: this year
        DateCase{"12/24", false, kYear, 12, 24}, DateCase{"29.2.2024", true, 2024, 2, 29},
        DateCase{"29.2.2026", true, 0, 0, 0}, DateCase{"31.4.2026", true, 0, 0, 0},
        DateCase{"24.13.2026", true, 0, 0, 0}, DateCase{"0.1.2026", true, 0, 0, 0},
        DateCase{"1.1.0", true, 2000, 1, 1}, DateCase{"1.1.0000", true, 0, 0, 0},
        DateCase{"1.1.10000", true, 0, 0, 0}, DateCase{"24", true, 0, 0, 0},
        DateCase{"1.2.3.4", true, 0, 0, 0},
        DateCase{"24/12/1998", true, 0, 0, 0},  // the other separator
        DateCase{"24.12.1998x", true, 0, 0, 0}, DateCase{"24..1998", true, 0, 0, 0},
        DateCase{"24.12.", true, 0, 0, 0}, DateCase{"", true, 0, 0, 0},
        DateCase{"1 2.12.1998", true, 0, 0, 0}, DateCase{"99999999999.1.1", true, 0, 0, 0}));

struct TimeCase {
  const char* text;
  bool german;
  int h, m, s, ms;  // h < 0: not a time
};

void PrintTo(const TimeCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class ParseTimeTable : public ::testing::TestWithParam<TimeCase> {};

TEST_P(ParseTimeTable, Parses) {
  const TimeCase& c = GetParam();
  const RegionalFormats& f = c.german ? kDe : kUs;
  if (c.h < 0) {
    EXPECT_EQ(ErrorOf([&] { ParseTime(c.text, f); }),
              std::string("'") + c.text + "' is not a valid time");
  } else {
    EXPECT_EQ(DecodeTime(ParseTime(c.text, f)), (TimeOfDay{c.h, c.m, c.s, c.ms})) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ParseTimeTable,
    ::testing::Values(
        TimeCase{"18:30:00", true, 18, 30, 0, 0}, TimeCase{"7:5", true, 7, 5, 0, 0},
        TimeCase{" 07:15:00 ", true, 7, 15, 0, 0}, TimeCase{"6:30:00 PM", false, 18, 30, 0, 0},
        TimeCase{"6:30:00pm", false, 18, 30, 0, 0}, TimeCase{"PM 6:30", false, 18, 30, 0, 0},
        TimeCase{"12:00:00 AM", false, 0, 0, 0, 0}, TimeCase{"12:00:00 PM", false, 12, 0, 0, 0},
        TimeCase{"6:30 PM", true, 18, 30, 0, 0},  // literal AM/PM in any locale
        TimeCase{"18:30:00", false, 18, 30, 0, 0}, TimeCase{"1:02:03.4", true, 1, 2, 3, 400},
        TimeCase{"1:02:03.045", true, 1, 2, 3, 45}, TimeCase{"13:00 PM", false, -1, 0, 0, 0},
        TimeCase{"0:00 AM", false, -1, 0, 0, 0}, TimeCase{"24:00", true, -1, 0, 0, 0},
        TimeCase{"12:60", true, -1, 0, 0, 0}, TimeCase{"12:00:60", true, -1, 0, 0, 0},
        TimeCase{"12", true, -1, 0, 0, 0}, TimeCase{"12:", true, -1, 0, 0, 0},
        TimeCase{"12:00:", true, -1, 0, 0, 0}, TimeCase{"::", true, -1, 0, 0, 0},
        TimeCase{"123:00", true, -1, 0, 0, 0}, TimeCase{"12:00:00.1234", true, -1, 0, 0, 0},
        TimeCase{"12:00 Uhr", true, -1, 0, 0, 0}, TimeCase{"AM 6:00 PM", false, -1, 0, 0, 0},
        TimeCase{"", true, -1, 0, 0, 0}));

TEST(ParseDateTime, DateWithOptionalTime) {
  EXPECT_EQ(ParseDateTime("24.12.1998 18:30:00", kDe, kYear), At(1998, 12, 24, 18, 30));
  EXPECT_EQ(ParseDateTime("12/24/1998 6:30:00 PM", kUs, kYear), At(1998, 12, 24, 18, 30));
  EXPECT_EQ(ParseDateTime(" 24.12.1998 ", kDe, kYear), At(1998, 12, 24));
  EXPECT_EQ(ErrorOf([] { ParseDateTime("24.12.1998 25:00", kDe, kYear); }),
            "'24.12.1998 25:00' is not a valid date and time");
  EXPECT_EQ(ErrorOf([] { ParseDateTime("18:30:00", kDe, kYear); }),
            "'18:30:00' is not a valid date and time");
}

TEST(ParseDateTime, EverySecondOfADayRoundTripsInBothSets) {
  for (const RegionalFormats* f : {&kUs, &kDe}) {
    for (int s = 0; s < 86400; s += 1) {
      const DateTime value = At(2026, 12, 7, s / 3600, s / 60 % 60, s % 60);
      ASSERT_EQ(ParseDateTime(FormatDateTime(value, *f), *f, kYear), value) << s;
    }
  }
}

TEST(ParseDateTime, EveryDayOfTwoCenturiesRoundTripsInBothSets) {
  for (const RegionalFormats* f : {&kUs, &kDe}) {
    for (DateTime day = At(1900, 1, 1); day <= At(2100, 12, 31); day += 1) {
      ASSERT_EQ(ParseDate(FormatDate(day, *f), *f, kYear), day);
    }
  }
}

// Short dates with blanks, a trailing separator, quoted or plain text, or names: a key written
// with the user's picture reads back with it (the picture's year widened as the writer does).
TEST(ParseDateTime, DatesWrittenWithUnusualPicturesReadBack) {
  const char* pictures[] = {"yyyy. MM. dd.",      "d. M. yyyy",       "d.M.yyyy '\xD0\xB3.'",
                            "d.M.yyyy.",          "yyyy/MM/dd ddd",   "dd-MMM-yy",
                            "dddd, MMMM d, yyyy", "d MMMM yyyy 'r.'", "yyMMdd"};
  for (const char* picture : pictures) {
    for (const RegionalFormats* base : {&kUs, &kDe}) {
      RegionalFormats f = *base;
      f.shortDate = WithFourDigitYear(picture);
      for (const DateTime value :
           {At(2026, 12, 7, 18, 30, 5), At(1998, 1, 24), At(2080, 2, 29, 0, 0, 1)}) {
        const std::string key = FormatDateTime(value, f);
        EXPECT_EQ(ParseDateTime(key, f, kYear), value) << picture << ": " << key;
      }
      EXPECT_EQ(ParseDate(FormatDate(At(2026, 3, 5), f), f, kYear), At(2026, 3, 5)) << picture;
    }
  }
  EXPECT_EQ(WithFourDigitYear("dd.MM.yy 'yy' y yyyy"), "dd.MM.yyyy 'yy' yyyy yyyy");
}

// Random pictures made of the Windows tokens, each field set apart by some text.
TEST(ParseDateTime, RandomPicturesRoundTrip) {
  std::mt19937 random(20261207);
  const std::vector<std::string> days = {"d", "dd"}, months = {"M", "MM", "MMM", "MMMM"},
                                 years = {"y", "yy", "yyyy"},
                                 texts = {".",  "/",           "-",      " ",
                                          ". ", "'\xD0\xB3.'", " 'de' ", "\xE5\xB9\xB4",
                                          ", "};
  auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> fields = {pick(days), pick(months), pick(years)};
    std::shuffle(fields.begin(), fields.end(), random);
    std::string picture = random() % 3 == 0 ? "dddd " : "";
    picture += random() % 4 == 0 ? "gg " : "";
    picture += fields[0] + pick(texts) + fields[1] + pick(texts) + fields[2];
    picture += random() % 2 == 0 ? pick(texts) : "";
    RegionalFormats f = round % 2 == 0 ? kUs : kDe;
    f.shortDate = WithFourDigitYear(picture);
    for (int k = 0; k < 20; ++k) {
      const DateTime value =
          At(std::uniform_int_distribution<int>(1, 9999)(random),
             std::uniform_int_distribution<int>(1, 12)(random),
             std::uniform_int_distribution<int>(1, 28)(random),
             std::uniform_int_distribution<int>(0, 23)(random),
             std::uniform_int_distribution<int>(0, 59)(random), k % 2 == 0 ? 0 : 30);
      const std::string key = FormatDateTime(value, f);
      ASSERT_EQ(ParseDateTime(key, f, kYear), value) << picture << ": " << key;
    }
  }
}

TEST(ConversionMessages, QuoteAtMostAHundredCharactersAndShowNul) {
  const std::string huge(10'000'000, '7');  // NOLINT(bugprone-string-constructor): huge on purpose
  const std::string message = ErrorOf([&] { ParseTime(huge, kDe); });
  EXPECT_EQ(message, "'" + std::string(100, '7') + "\xE2\x80\xA6' is not a valid time");
  const std::string umlauts = [] {
    std::string s;
    for (int i = 0; i < 101; ++i) {
      s += "\xC3\xA4";
    }
    return s;
  }();
  EXPECT_EQ(ErrorOf([&] { ParseDateTime(umlauts, kDe, kYear); }),
            "'" + umlauts.substr(0, 200) + "\xE2\x80\xA6' is not a valid date and time");
  EXPECT_EQ(ErrorOf([] { ParseDate(std::string("1\0x", 3), kDe, kYear); }),
            "'1\xE2\x90\x80x' is not a valid date");
  EXPECT_EQ(ErrorOf([] { ParseInteger(std::string("7\0", 2)); }),
            "'7\xE2\x90\x80' is not a valid integer value");
}

TEST(ConversionMessages, EncodingADateThatDoesNotExistIsTheRuntimesError) {
  EXPECT_EQ(ErrorOf([] { EncodeDate(2026, 2, 29); }), "Invalid argument to date encode");
  EXPECT_EQ(ErrorOf([] { EncodeDate(10000, 1, 1); }), "Invalid argument to date encode");
  EXPECT_EQ(ErrorOf([] { EncodeTime(24, 0, 0, 0); }), "Invalid argument to time encode");
  EXPECT_EQ(ErrorOf([] {
              EncodeDateTime({2026, 4, 31}, {0, 0, 0, 0});
            }),
            "Invalid argument to date encode");
}

}  // namespace
}  // namespace zorvat
