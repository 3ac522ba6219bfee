#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvat {

class SettingsFile;

// The main window's in-memory copies of the settings the scheduler and the editors use on
// every tick; each is an option's (OptionsTable.h).
struct LiveSettings {
  std::uint16_t mainTimerPeriod = 5000;  // MainRefresh, milliseconds
  std::uint8_t weekDay = 6;              // WeekEVDay, 1 = Sunday ... 7 = Saturday
  std::string weekDayName;               // from weekDay; kept when weekDay is out of range
  std::uint8_t monthDay = 1;             // MonthEVDay
  bool newEventActive = true;            // NewItem_Active
  bool newEventQuery = true;             // NewItem_Req
  std::uint8_t alertRepeat = 1;          // AlertRepeat
  bool catchUp = true;                   // CatchUp
  std::uint16_t catchUpDays = 7;         // CatchUpDays, kept to its range
  bool wakeForEvents = false;            // WakeForEvents
};

// "Sunday" for 1 ... "Saturday" for 7; empty for any other value.
std::string_view WeekDayName(int weekDay);

// UpdateWeekDayName: the weekday name from the live weekday; a weekday outside
// 1..7 leaves the name as it was.
void UpdateWeekDayName(LiveSettings& live);

// The start-up read of every live setting (each option's row with a live field, OptionsTable.h):
// the start's defaults, and values that do not fit a live width keep their low bits, the
// missed events' look-back excepted, which is kept to its range.
void LoadLiveSettings(const SettingsFile& settings, LiveSettings& live);

}  // namespace zorvat
