#include <gtest/gtest.h>

#include "events/ListHeadings.h"

namespace zorvat {
namespace {

LiveSettings Live(std::uint8_t weekDay, std::uint8_t monthDay) {
  LiveSettings live;
  live.weekDay = weekDay;
  live.monthDay = monthDay;
  UpdateWeekDayName(live);
  return live;
}

TEST(ListHeading, EachListWithTheLiveDays) {
  const struct {
    EventKind kind;
    LiveSettings live;
    const char* heading;
  } cases[] = {
      {EventKind::General, Live(6, 1), "Events"},
      {EventKind::Daily, Live(6, 1), "daily events"},
      {EventKind::Weekly, Live(6, 1), "Events: Fridays"},
      {EventKind::Weekly, Live(1, 1), "Events: Sundays"},
      {EventKind::Weekly, Live(9, 1), "Events: s"},  // no name for a weekday out of range
      {EventKind::Monthly, Live(6, 1), "Events: every 1. of the month"},
      {EventKind::Monthly, Live(6, 31), "Events: every 31. of the month"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ListHeading(c.kind, c.live), c.heading);
  }
}

TEST(SelectionText, DateOrTimeAndContentOrContentsWithAmpersandsShownAsTyped) {
  const struct {
    EventKind kind;
    const char* caption;
    const char* eventText;
    const char* text;
  } cases[] = {
      {EventKind::General, "24.12.1998 18:30:00", "Alert",
       "Date: 24.12.1998 18:30:00, Type && Content: Alert"},
      {EventKind::Daily, "07:15:00", "Reboot", "Time: 07:15:00, Type && Contents: Reboot"},
      {EventKind::Weekly, "07:15:00", "Reboot", "Time: 07:15:00, Type && Contents: Reboot"},
      {EventKind::Monthly, "07:15:00", "Reboot", "Date: 07:15:00, Type && Contents: Reboot"},
      {EventKind::Daily, "1:00:00 AM", "Message: \"Tom & Jerry\"",
       "Time: 1:00:00 AM, Type && Contents: Message: \"Tom && Jerry\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SelectionText(c.kind, c.caption, c.eventText), c.text);
  }
}

TEST(EventColumnHeaders, NameTheLiveWeekdayAndMonthDay) {
  EXPECT_EQ(WeeklyEventColumnHeader(Live(6, 15)), "Ereignis (wöchentlich: Fridays)");
  EXPECT_EQ(MonthlyEventColumnHeader(Live(6, 15)), "Ereignis (monatlich: jeden 15. des Monats)");
  EXPECT_EQ(EventListColumns(EventKind::Weekly)[0].caption, "0/I       Time");
  EXPECT_EQ(EventListColumns(EventKind::General)[0].caption, "0/ I      Date/Time");
}

TEST(PropertiesHeading, NewOrExistingEventOfEachList) {
  const struct {
    EventKind kind;
    const char* newEvent;
    const char* existing;
  } cases[] = {
      {EventKind::General, "New Zorvat: Event", "Zorvat: Event"},
      {EventKind::Daily, "New Zorvat: daily", "Zorvat: daily"},
      {EventKind::Weekly, "New Zorvat: weekly", "Zorvat: wöchentlich"},
      {EventKind::Monthly, "New Zorvat: monthly", "Zorvat: monthly"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PropertiesHeading(c.kind, true), c.newEvent);
    EXPECT_EQ(PropertiesHeading(c.kind, false), c.existing);
  }
}

}  // namespace
}  // namespace zorvat
