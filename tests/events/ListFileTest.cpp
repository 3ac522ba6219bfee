#include <gtest/gtest.h>

#include <tuple>

#include "base/DateTime.h"
#include "base/TextEncoding.h"
#include "events/DocumentFixture.h"
#include "events/ListFile.h"

namespace zorvat {
namespace {

const RegionalFormats kDe = RegionalFormats::DeDe();
const RegionalFormats kUs = RegionalFormats::EnUs();
constexpr int kYear = 2026;

DateTime TimeOfDay(int h, int m, int s = 0) {
  return EncodeTime(h, m, s, 0);
}

EventLists ExampleLists() {
  EventLists lists;
  lists[EventKind::General].Append({EncodeDateTime({1998, 12, 24}, {18, 30, 0, 0}), 0,
                                    "Christmas dinner", "", false, true, false});
  lists[EventKind::Daily].Append(
      {TimeOfDay(7, 15), 1, "C:\\Sounds\\wake.wav", "", false, true, false});
  lists[EventKind::Weekly].Append(
      {TimeOfDay(17, 0), 3, "C:\\Data\\work.mdb", "D:\\Backup\\work.mdb", true, true, false});
  lists[EventKind::Monthly].Append(
      {TimeOfDay(9, 0), 2, "C:\\Tools\\report.exe", "/monthly", true, false, false});
  return lists;
}

void ExpectSameLists(const EventLists& actual, const EventLists& expected) {
  for (EventKind kind : kAllKinds) {
    ASSERT_EQ(actual[kind].Count(), expected[kind].Count()) << SectionName(kind);
    for (std::size_t i = 0; i < expected[kind].Count(); ++i) {
      EXPECT_EQ(actual[kind][i], expected[kind][i]) << SectionName(kind) << " " << i;
    }
  }
}

TEST(ListFile, GermanExampleReadsAndWritesBackByteForByte) {
  const ListFileContents read = ParseListFile(testing::kExampleFile, kDe, kYear);
  EXPECT_TRUE(read.Complete());
  ExpectSameLists(read.lists, ExampleLists());
  EXPECT_EQ(EncodeListFile(read.lists, kDe), testing::kExampleFile);
}

TEST(ListFile, UsFormatsWriteTheirOwnKeysAndReadThemBack) {
  const std::string text = RenderListFile(ExampleLists(), kUs);
  EXPECT_NE(text.find("\r\n12/24/1998 6:30:00 PM=0|Christmas dinner||0|1\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n7:15:00 AM=1|"), std::string::npos);
  EXPECT_NE(text.find("\r\n5:00:00 PM=3|"), std::string::npos);
  const ListFileContents read = ParseListFile(text, kUs, kYear);
  EXPECT_TRUE(read.Complete());
  ExpectSameLists(read.lists, ExampleLists());
}

// With "dd.MM.yy" a single event in 2080 came back as 1980.
TEST(ListFile, SingleEventsKeepTheirCenturyUnderTwoDigitYearPictures) {
  RegionalFormats f = kDe;
  f.shortDate = "dd.MM.yy";
  EventLists lists;
  lists[EventKind::General].Append(
      {EncodeDateTime({2080, 12, 24}, {18, 30, 0, 0}), 0, "far", "", false, true, false});
  lists[EventKind::General].Append({EncodeDate(1975, 1, 2), 0, "past", "", false, true, false});
  const std::string text = RenderListFile(lists, f);
  EXPECT_NE(text.find("\r\n24.12.2080 18:30:00=0|far||0|1\r\n02.01.1975=0|past||0|1\r\n"),
            std::string::npos);
  ExpectSameLists(ParseListFile(text, f, kYear).lists, lists);
}

TEST(ListFile, KeysOfOtherRegionalFormatsAreSkippedWithTheConversionMessage) {
  const std::string usText = RenderListFile(ExampleLists(), kUs);
  const ListFileContents read = ParseListFile(usText, kDe, kYear);
  EXPECT_EQ(read.lists[EventKind::General].Count(), 0u);
  EXPECT_EQ(read.skippedKeys, 1u);
  EXPECT_EQ(read.firstSkipMessage, "'12/24/1998 6:30:00 PM' is not a valid date and time");
  // Times still read: "AM" and "PM" are understood in every locale.
  EXPECT_EQ(read.lists[EventKind::Weekly][0].task.time, TimeOfDay(17, 0));
}

TEST(ListFile, DeletedEventsAreLeftOutAndSectionsWithoutEvents) {
  EventLists lists = ExampleLists();
  lists[EventKind::Daily].SetDeleted(0, true);
  lists[EventKind::Weekly].Append({TimeOfDay(18, 0), 6, "", "", false, true, true});
  const std::string text = RenderListFile(lists, kDe);
  EXPECT_EQ(text.find("[Daily]"), std::string::npos);
  EXPECT_EQ(text.find("18:00:00"), std::string::npos);
  EXPECT_NE(text.find("[Weekly]\r\n17:00:00="), std::string::npos);
  for (EventKind kind : {EventKind::General, EventKind::Weekly, EventKind::Monthly}) {
    lists[kind].SetDeleted(0, true);
  }
  EXPECT_EQ(RenderListFile(lists, kDe), "[BaseInfo]\r\nProgID=Brumsel! Zorvat v1.1\r\n");
}

// Two daily events at 7:00, an alert and a message, came back as one after a save.
TEST(ListFile, EventsOfOneSecondKeepKeysOfTheirOwnUnderEveryFormat) {
  RegionalFormats designatorFirst = kUs;
  designatorFirst.longTime = "tt hh:mm:ss";
  designatorFirst.am = "\xE4\xB8\x8A\xE5\x8D\x88";
  designatorFirst.pm = "\xE4\xB8\x8B\xE5\x8D\x88";
  RegionalFormats shortAm = kDe;
  shortAm.longTime = "H.mm.ss";
  shortAm.am = "a";
  shortAm.pm = "p";
  // Pictures whose own text reads back as another time, or as none: without seconds, with
  // blank marks, with a one-letter mark, with words of its own.
  RegionalFormats noSeconds = kDe;
  noSeconds.longTime = "HH:mm";
  RegionalFormats noMarks = kUs;
  noMarks.am = noMarks.pm = "";
  RegionalFormats oneLetter = kUs;
  oneLetter.longTime = "h:mm:ss t";
  RegionalFormats words = kDe;
  words.longTime = "HH:mm:ss 'Uhr'";
  for (const RegionalFormats& f :
       {kDe, kUs, designatorFirst, shortAm, noSeconds, noMarks, oneLetter, words}) {
    EventLists lists;
    // Noon is "12" with the afternoon's designator on a 12-hour clock.
    const DateTime times[] = {TimeOfDay(7, 0), TimeOfDay(19, 0, 5), TimeOfDay(12, 0)};
    const DateTime instants[] = {EncodeDate(2026, 3, 1), EncodeDateTime({2026, 3, 1}, {7, 0, 0, 0}),
                                 EncodeDateTime({2026, 3, 1}, {12, 0, 0, 0})};
    for (int i = 0; i < 256; ++i) {
      const std::string n = std::to_string(i);
      lists[EventKind::Daily].Append({times[i % 3] + i / 3 % 3 * 0.1 / 86400,
                                      static_cast<std::uint8_t>(i % 2), n, "", i % 3 == 0, true,
                                      false});
      lists[EventKind::General].Append({instants[i % 3], 0, n, "", false, i % 5 != 0, false});
    }
    const std::string text = RenderListFile(lists, f);
    const ListFileContents read = ParseListFile(text, f, kYear);
    EXPECT_TRUE(read.Complete()) << f.longTime;
    for (const EventKind kind : {EventKind::Daily, EventKind::General}) {
      ASSERT_EQ(read.lists[kind].Count(), 256u) << f.longTime;
      for (std::size_t i = 0; i < 256; ++i) {
        const EventRecord& was = lists[kind][i];
        const EventRecord& is = read.lists[kind][i];
        EXPECT_EQ(ToMilliseconds(is.task.time) / 1000, ToMilliseconds(was.task.time) / 1000) << i;
        EXPECT_EQ(std::tie(is.task.command, is.task.operand1, is.task.query, is.active),
                  std::tie(was.task.command, was.task.operand1, was.task.query, was.active))
            << f.longTime << " " << i;
      }
    }
  }
}

TEST(ListFile, MidnightSingleEventIsKeyedByItsDateAlone) {
  EventLists lists;
  lists[EventKind::General].Append({EncodeDate(2026, 3, 1), 8, "", "", true, true, false});
  const std::pair<RegionalFormats, std::string> cases[] = {{kDe, "01.03.2026="},
                                                           {kUs, "3/1/2026="}};
  for (const auto& [formats, key] : cases) {
    const std::string text = RenderListFile(lists, formats);
    EXPECT_NE(text.find("\r\n" + key + "8|||1|1\r\n"), std::string::npos) << text;
    const ListFileContents read = ParseListFile(text, formats, kYear);
    ASSERT_EQ(read.lists[EventKind::General].Count(), 1u);
    EXPECT_EQ(read.lists[EventKind::General][0].task.time, EncodeDate(2026, 3, 1));
  }
}

TEST(ListFile, OperandsRoundTripInTheirEncoding) {
  struct Case {
    const char* operand;
    bool withBom;
  };
  const Case cases[] = {
      {"Gr\xC3\xBC\xC3\x9F"
       "e \xE2\x82\xAC",
       false},                             // "Grüße €" fits Windows-1252
      {"\xE6\x97\xA5\xE6\x9C\xAC", true},  // "日本" does not
      {"\xC3\x83\xC2\xA9", true},  // "Ã©": as Windows-1252 bytes it would read back as "é"
      {"  blanks inside  ", false},
  };
  for (const Case& c : cases) {
    EventLists lists;
    lists[EventKind::Daily].Append({TimeOfDay(6, 0), 0, c.operand, c.operand, false, true, false});
    const std::string bytes = EncodeListFile(lists, kDe);
    EXPECT_EQ(bytes.starts_with(kUtf8Bom), c.withBom) << c.operand;
    const ListFileContents read = ParseListFile(DecodeFileText(bytes)->utf8, kDe, kYear);
    ExpectSameLists(read.lists, lists);
  }
}

}  // namespace
}  // namespace zorvat
