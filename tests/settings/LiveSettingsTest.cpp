#include <gtest/gtest.h>

#include <string>

#include "base/Files.h"
#include "settings/LiveSettings.h"
#include "settings/SettingsStore.h"
#include "support/TempFolder.h"

namespace zorvat {
namespace {

using testing::TempFolder;

class LiveSettingsTest : public ::testing::Test {
 protected:
  LiveSettings LoadFrom(const std::string& ini) {
    ReplaceFileAtomically(settings.Path(), ini);
    LiveSettings live;
    LoadLiveSettings(settings, live);
    return live;
  }

  TempFolder dir;
  SettingsFile settings{dir.Path()};
};

TEST_F(LiveSettingsTest, MissedEventSettingsHaveDefaultsAndTheLookBackItsBounds) {
  LiveSettings live = LoadFrom("[Config]\r\nMainRefresh=5000\r\n");
  EXPECT_TRUE(live.catchUp);
  EXPECT_EQ(live.catchUpDays, 7);
  EXPECT_FALSE(live.wakeForEvents);
  live = LoadFrom("[Config]\r\nCatchUp=0\r\nCatchUpDays=0\r\nWakeForEvents=1\r\n");
  EXPECT_FALSE(live.catchUp);
  EXPECT_EQ(live.catchUpDays, 1);
  EXPECT_TRUE(live.wakeForEvents);
  EXPECT_EQ(LoadFrom("[Config]\r\nCatchUpDays=70000\r\n").catchUpDays, 366);
}

TEST_F(LiveSettingsTest, NoSettingsFileGivesTheStartUpDefaults) {
  LiveSettings live;
  live.mainTimerPeriod = 1;
  live.weekDay = 1;
  live.monthDay = 9;
  live.newEventActive = false;
  live.newEventQuery = false;
  live.alertRepeat = 0;
  LoadLiveSettings(settings, live);
  EXPECT_EQ(live.mainTimerPeriod, 5000);
  EXPECT_EQ(live.weekDay, 6);
  EXPECT_EQ(live.weekDayName, "Friday");
  EXPECT_EQ(live.monthDay, 1);
  EXPECT_TRUE(live.newEventActive);
  EXPECT_TRUE(live.newEventQuery);
  EXPECT_EQ(live.alertRepeat, 1);
}

TEST_F(LiveSettingsTest, StoredValuesAreRead) {
  const LiveSettings live = LoadFrom(
      "[Config]\r\nMainRefresh=0x1F\r\nWeekEVDay=2\r\nMonthEVDay=31\r\nNewItem_Active=0\r\n"
      "NewItem_Req=0\r\nAlertRepeat=$10\r\n");
  EXPECT_EQ(live.mainTimerPeriod, 31);
  EXPECT_EQ(live.weekDay, 2);
  EXPECT_EQ(live.weekDayName, "Monday");
  EXPECT_EQ(live.monthDay, 31);
  EXPECT_FALSE(live.newEventActive);
  EXPECT_FALSE(live.newEventQuery);
  EXPECT_EQ(live.alertRepeat, 16);
}

TEST_F(LiveSettingsTest, JunkReadsAsTheDefault) {
  const LiveSettings live = LoadFrom("[Config]\r\nMainRefresh=fast\r\nAlertRepeat=\r\n");
  EXPECT_EQ(live.mainTimerPeriod, 5000);
  EXPECT_EQ(live.alertRepeat, 1);
}

struct WidthCase {
  const char* key;
  const char* stored;
  unsigned expected;
};

class LiveSettings_Width : public LiveSettingsTest,
                           public ::testing::WithParamInterface<WidthCase> {};

TEST_P(LiveSettings_Width, KeepsTheLowBits) {
  const WidthCase& c = GetParam();
  const LiveSettings live = LoadFrom(std::string("[Config]\r\n") + c.key + "=" + c.stored + "\r\n");
  const std::string key = c.key;
  const unsigned actual = key == "MainRefresh"  ? live.mainTimerPeriod
                          : key == "WeekEVDay"  ? live.weekDay
                          : key == "MonthEVDay" ? live.monthDay
                                                : live.alertRepeat;
  EXPECT_EQ(actual, c.expected) << c.key << "=" << c.stored;
}

INSTANTIATE_TEST_SUITE_P(
    LiveSettings, LiveSettings_Width,
    ::testing::Values(WidthCase{"MainRefresh", "70000", 4464},
                      WidthCase{"MainRefresh", "65535", 65535},
                      WidthCase{"MainRefresh", "65536", 0}, WidthCase{"MainRefresh", "-1", 65535},
                      WidthCase{"AlertRepeat", "300", 44}, WidthCase{"AlertRepeat", "256", 0},
                      WidthCase{"AlertRepeat", "255", 255}, WidthCase{"WeekEVDay", "258", 2},
                      WidthCase{"MonthEVDay", "287", 31}));

TEST_F(LiveSettingsTest, WeekDayOutOfRangeLeavesTheNameAsItWas) {
  LiveSettings live;
  ReplaceFileAtomically(settings.Path(), "[Config]\r\nWeekEVDay=0\r\n");
  LoadLiveSettings(settings, live);
  EXPECT_EQ(live.weekDay, 0);
  EXPECT_EQ(live.weekDayName, "");  // empty at start-up
  live.weekDayName = "Tuesday";
  ReplaceFileAtomically(settings.Path(), "[Config]\r\nWeekEVDay=8\r\n");
  LoadLiveSettings(settings, live);
  EXPECT_EQ(live.weekDay, 8);
  EXPECT_EQ(live.weekDayName, "Tuesday");
  ReplaceFileAtomically(settings.Path(), "[Config]\r\nWeekEVDay=263\r\n");  // low byte 7
  LoadLiveSettings(settings, live);
  EXPECT_EQ(live.weekDayName, "Saturday");
}

TEST(UpdateWeekDayName, OneToSevenSundayToSaturdayElseUnchanged) {
  const char* names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                         "Thursday", "Friday", "Saturday"};
  LiveSettings live;
  for (int day = 0; day <= 255; ++day) {
    live.weekDayName = "previous";
    live.weekDay = static_cast<std::uint8_t>(day);
    UpdateWeekDayName(live);
    EXPECT_EQ(live.weekDayName, day >= 1 && day <= 7 ? names[day - 1] : "previous") << day;
  }
}

}  // namespace
}  // namespace zorvat
