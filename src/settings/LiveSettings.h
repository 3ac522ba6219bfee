#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvat {

class SettingsFile;

// The main window's in-memory copies of the settings the scheduler and the editors use on
// every tick; stored values keep their low bits when they do not fit these widths.
struct LiveSettings {
  std::uint16_t mainTimerPeriod = 5000;  // MainRefresh, milliseconds
  std::uint8_t weekDay = 6;              // WeekEVDay, 1 = Sunday ... 7 = Saturday
  std::string weekDayName;               // from weekDay; kept when weekDay is out of range
  std::uint8_t monthDay = 1;             // MonthEVDay
  bool newEventActive = true;            // NewItem_Active
  bool newEventQuery = true;             // NewItem_Req
  std::uint8_t alertRepeat = 1;          // AlertRepeat
  bool catchUp = true;                   // CatchUp
  std::uint16_t catchUpDays = 7;         // CatchUpDays, kept to kCatchUpDaysRange
  bool wakeForEvents = false;            // WakeForEvents
};

// How many days back the missed events are looked for.
inline constexpr int kFewestCatchUpDays = 1;
inline constexpr int kMostCatchUpDays = 366;
int ClampCatchUpDays(int days);

// "Sunday" for 1 ... "Saturday" for 7; empty for any other value.
std::string_view WeekDayName(int weekDay);

// UpdateWeekDayName: the weekday name from the live weekday; a weekday outside
// 1..7 leaves the name as it was.
void UpdateWeekDayName(LiveSettings& live);

// The start-up reads of the live settings, one function per step so that the
// main window's creation sequence can run them in its order; each reads its keys afresh with
// the start-up defaults and keeps the low bits that fit the live widths.
void LoadWeekDay(const SettingsFile& settings, LiveSettings& live);  // and its name
void LoadMonthDayAndTimerPeriod(const SettingsFile& settings, LiveSettings& live);
void LoadNewEventDefaults(const SettingsFile& settings, LiveSettings& live);
void LoadAlertRepeat(const SettingsFile& settings, LiveSettings& live);
void LoadCatchUp(const SettingsFile& settings, LiveSettings& live);

// All of the above in the start-up's order.
void LoadLiveSettings(const SettingsFile& settings, LiveSettings& live);

}  // namespace zorvat
