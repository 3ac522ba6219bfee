#include <gtest/gtest.h>

#include <string>

#include "base/DateTime.h"
#include "events/ListFile.h"

namespace zorvat {
namespace {

const RegionalFormats kDe = RegionalFormats::DeDe();
const RegionalFormats kUs = RegionalFormats::EnUs();
constexpr int kYear = 2026;

std::string DailyFile(const std::string& lines) {
  return "[BaseInfo]\r\nProgID=Brumsel! Zorvat v1.1\r\n[Daily]\r\n" + lines;
}

TEST(ListFileReading, ValueFields) {
  struct Case {
    const char* value;
    int command;
    const char* op1;
    const char* op2;
    bool query;
    bool active;
  };
  const Case cases[] = {
      {"0|Hello||0|1", 0, "Hello", "", false, true},
      // A missing field reads as the last one present.
      {"5|C:\\x.tmp", 5, "C:\\x.tmp", "C:\\x.tmp", true, true},
      {"0|Hello", 0, "Hello", "Hello", true, true},
      {"0", 0, "0", "0", false, false},
      // Only "0" clears query and active.
      {"0|a|b|00|no", 0, "a", "b", true, true},
      {"0|a|b||", 0, "a", "b", true, true},
      {"0|a|b| 0|0 ", 0, "a", "b", true, false},  // the line's end is trimmed
      {"0|a|b|0|0|extra", 0, "a", "b", false, false},
      // The command keeps the low 8 bits of a 32-bit number, decimal or hexadecimal.
      {"300|x||0|1", 44, "x", "", false, true},
      {"-1|x||0|1", 255, "x", "", false, true},
      {"$1FF|x||0|1", 255, "x", "", false, true},
      {"0x10|x||0|1", 16, "x", "", false, true},
      {"0XFFFFFFFF|x||0|1", 255, "x", "", false, true},
      // Blanks and quotes inside operands stay.
      {"2| C:\\a b.exe |\"-x\"|1|1", 2, " C:\\a b.exe ", "\"-x\"", true, true},
  };
  for (const Case& c : cases) {
    const ListFileContents read =
        ParseListFile(DailyFile("12:00:00=" + std::string(c.value) + "\r\n"), kDe, kYear);
    ASSERT_TRUE(read.Complete()) << c.value;
    const EventRecord& r = read.lists[EventKind::Daily][0];
    EXPECT_EQ(r, (EventRecord{0.5, static_cast<std::uint8_t>(c.command), c.op1, c.op2, c.query,
                              c.active, false}))
        << c.value;
  }
}

struct SkipCase {
  const char* section;
  const char* line;
  const char* message;
};

TEST(ListFileReading, KeysThatDoNotConvertAreSkippedWithTheirMessage) {
  const SkipCase cases[] = {
      {"Daily", "abc=0|x||0|1", "'abc' is not a valid time"},
      {"Daily", "24.12.1998 18:30:00=0|x||0|1", "'24.12.1998 18:30:00' is not a valid time"},
      {"Daily", "25:00:00=0|x||0|1", "'25:00:00' is not a valid time"},
      {"Daily", "=0|x||0|1", "'' is not a valid time"},
      {"General", "31.02.2026 08:00:00=0|x||0|1",
       "'31.02.2026 08:00:00' is not a valid date and time"},
      {"General", "18:30:00=0|x||0|1", "'18:30:00' is not a valid date and time"},
      {"Weekly", "08:00:00=abc|x||0|1", "'abc' is not a valid integer value"},
      {"Monthly", "08:00:00=", "'' is not a valid integer value"},
      {"Monthly", "08:00:00=4294967296|x||0|1", "'4294967296' is not a valid integer value"},
      {"Monthly", "08:00:00=1 2|x||0|1", "'1 2' is not a valid integer value"},
  };
  for (const SkipCase& c : cases) {
    const std::string text = std::string("[") + c.section + "]\r\n" + c.line + "\r\n";
    const ListFileContents read = ParseListFile(text, kDe, kYear);
    EXPECT_EQ(read.skippedKeys, 1u) << c.line;
    EXPECT_EQ(read.firstSkipMessage, c.message) << c.line;
    for (EventKind kind : kAllKinds) {
      EXPECT_EQ(read.lists[kind].Count(), 0u) << c.line;
    }
  }
}

TEST(ListFileReading, ASkippedKeyDoesNotEndTheRead) {
  const std::string text =
      "[General]\r\n"
      "01.01.2026 10:00:00=0|one||0|1\r\n"
      "bad date=0|x||0|1\r\n"
      "02.01.2026=0|two||0|1\r\n"
      "[Daily]\r\n"
      "08:00:00=x|y||0|1\r\n"
      "08:30:00=0|three||0|1\r\n"
      "99:00=0|x||0|1\r\n";
  const ListFileContents read = ParseListFile(text, kDe, kYear);
  ASSERT_EQ(read.lists[EventKind::General].Count(), 2u);
  EXPECT_EQ(read.lists[EventKind::General][1].task.operand1, "two");
  ASSERT_EQ(read.lists[EventKind::Daily].Count(), 1u);
  EXPECT_EQ(read.lists[EventKind::Daily][0].task.operand1, "three");
  EXPECT_FALSE(read.Complete());
  EXPECT_EQ(read.skippedKeys, 3u);
  EXPECT_EQ(SkippedKeysMessage(read),
            "'bad date' is not a valid date and time.\n"
            "2 more events could not be read either and were skipped.");

  const ListFileContents two = ParseListFile("[Daily]\r\nx=0\r\ny=0\r\n", kDe, kYear);
  EXPECT_EQ(SkippedKeysMessage(two),
            "'x' is not a valid time.\n1 more event could not be read either and was skipped.");
  const ListFileContents one = ParseListFile("[Daily]\r\nx=0\r\n", kDe, kYear);
  EXPECT_EQ(SkippedKeysMessage(one), "'x' is not a valid time.");
}

TEST(ListFileReading, KeysInTheUsersFormats) {
  const std::string text =
      "[General]\r\n"
      "12/24/98 6:30 pm=0|a||0|1\r\n"
      "3/1=0|b||0|1\r\n"
      "[Daily]\r\n"
      "12:00:00 AM=0|c||0|1\r\n"
      "7:05=0|d||0|1\r\n";
  const ListFileContents read = ParseListFile(text, kUs, kYear);
  ASSERT_TRUE(read.Complete()) << *read.firstSkipMessage;
  EXPECT_EQ(read.lists[EventKind::General][0].task.time,
            EncodeDateTime({1998, 12, 24}, {18, 30, 0, 0}));
  EXPECT_EQ(read.lists[EventKind::General][1].task.time, EncodeDate(kYear, 3, 1));
  EXPECT_EQ(read.lists[EventKind::Daily][0].task.time, 0.0);
  EXPECT_EQ(read.lists[EventKind::Daily][1].task.time, EncodeTime(7, 5, 0, 0));
}

TEST(ListFileReading, AKeyListedTwiceFindsTheFirstValueBothTimes) {
  const std::string text =
      "[ daily ]\r\n08:00:00=0|first||0|1\r\n08:00:00=0|second||0|1\r\n"
      "[Daily]\r\n11:00:00=0|ignored||0|1\r\n";
  const ListFileContents read = ParseListFile(text, kDe, kYear);
  const EventList& daily = read.lists[EventKind::Daily];
  ASSERT_EQ(daily.Count(), 2u);
  EXPECT_EQ(daily[0].task.operand1, "first");
  EXPECT_EQ(daily[1].task.operand1, "first");

  // Names match without regard to letter case, as a look-up by name does.
  const std::string designators =
      "[Daily]\r\n8:00:00 AM=0|first||0|1\r\n8:00:00 am=0|second||0|1\r\n"
      "8:00:00 Am=0|third||0|1\r\n";
  const ListFileContents twelveHours = ParseListFile(designators, kUs, kYear);
  const EventList& read12 = twelveHours.lists[EventKind::Daily];
  ASSERT_EQ(read12.Count(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(read12[i].task.operand1, "first") << i;
  }
}

std::string Keys(int count, int firstMinute = 0) {
  std::string lines;
  for (int i = firstMinute; i < firstMinute + count; ++i) {
    lines += std::to_string(i / 60) + ":" + std::to_string(i % 60) + ":00=0|" + std::to_string(i) +
             "||0|1\r\n";
  }
  return lines;
}

TEST(ListFileReading, ASectionStopsAtTheListsCapacity) {
  const ListFileContents full = ParseListFile("[Daily]\r\n" + Keys(256), kDe, kYear);
  EXPECT_TRUE(full.Complete());
  EXPECT_EQ(full.lists[EventKind::Daily].Count(), 256u);

  const ListFileContents over = ParseListFile(
      "[Daily]\r\n" + Keys(300) + "[Weekly]\r\n" + Keys(257) + "[Monthly]\r\n" + Keys(3), kDe,
      kYear);
  EXPECT_EQ(over.lists[EventKind::Daily].Count(), 256u);
  EXPECT_EQ(over.lists[EventKind::Daily][255].task.operand1, "255");
  EXPECT_EQ(over.lists[EventKind::Weekly].Count(), 256u);
  EXPECT_EQ(over.lists[EventKind::Monthly].Count(), 3u);
  EXPECT_FALSE(over.Complete());
  EXPECT_EQ(over.overfullSections, (std::vector<std::string>{"Daily", "Weekly"}));

  // Skipped keys take no slot.
  const ListFileContents skipped = ParseListFile("[Daily]\r\nbad=0\r\n" + Keys(256), kDe, kYear);
  EXPECT_EQ(skipped.lists[EventKind::Daily].Count(), 256u);
  EXPECT_TRUE(skipped.overfullSections.empty());
}

}  // namespace
}  // namespace zorvat
