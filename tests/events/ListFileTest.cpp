#include <gtest/gtest.h>

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

TEST(ListFile, EqualKeysKeepThePlaceOfTheFirstAndTheValueOfTheLast) {
  EventLists lists;
  EventList& daily = lists[EventKind::Daily];
  daily.Append({TimeOfDay(8, 0), 0, "first", "", false, true, false});
  daily.Append({TimeOfDay(9, 0), 0, "between", "", false, true, false});
  // The date part and the milliseconds of a daily event do not reach its key.
  daily.Append({40000 + TimeOfDay(8, 0) + 0.4 / 86400, 0, "last", "", true, false, false});
  const std::string text = RenderListFile(lists, kDe);
  EXPECT_NE(text.find("[Daily]\r\n08:00:00=0|last||1|0\r\n09:00:00=0|between||0|1\r\n"),
            std::string::npos)
      << text;
  const ListFileContents read = ParseListFile(text, kDe, kYear);
  ASSERT_EQ(read.lists[EventKind::Daily].Count(), 2u);
  EXPECT_EQ(read.lists[EventKind::Daily][0].task.operand1, "last");
  EXPECT_EQ(read.lists[EventKind::Daily][0].task.time, TimeOfDay(8, 0));
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
