#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "events/MainWindowTexts.h"

namespace zorvat {
namespace {

// The day label names the weekday of the day shown beside it, whatever weekday the weekly list
// uses; midnight shows in the time label but not after the date in the status bar.
TEST(ClockTexts, WeekdayOfTheInstantAndTheRegionalPictures) {
  struct Case {
    DateTime now;
    RegionalFormats formats;
    ClockTexts expected;
  };
  const Case cases[] = {
      {EncodeDateTime({2026, 12, 7}, {9, 5, 3, 0}),
       RegionalFormats::EnUs(),
       {"12/7/2026 9:05:03 AM", "9:05:03 AM", "Monday, 12/7/2026"}},
      {EncodeDateTime({2027, 1, 3}, {23, 59, 59, 999}),
       RegionalFormats::DeDe(),
       {"03.01.2027 23:59:59", "23:59:59", "Sunday, 03.01.2027"}},
      {EncodeDate(2026, 12, 12),
       RegionalFormats::DeDe(),
       {"12.12.2026", "00:00:00", "Saturday, 12.12.2026"}},
  };
  for (const Case& c : cases) {
    const ClockTexts texts = ClockTextsAt(c.now, c.formats);
    EXPECT_EQ(texts.statusText, c.expected.statusText);
    EXPECT_EQ(texts.timeText, c.expected.timeText);
    EXPECT_EQ(texts.dayText, c.expected.dayText);
  }
}

}  // namespace
}  // namespace zorvat
