#pragma once

#include <cstdint>
#include <string>

namespace zorvat {

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
};

}  // namespace zorvat
