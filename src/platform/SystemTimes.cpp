#include "platform/SystemTimes.h"

namespace zorvat {

SYSTEMTIME ToSystemTime(DateTime value) {
  const CivilDate date = DecodeDate(value);
  const TimeOfDay time = DecodeTime(value);
  SYSTEMTIME system{};
  system.wYear = static_cast<WORD>(date.year);
  system.wMonth = static_cast<WORD>(date.month);
  system.wDay = static_cast<WORD>(date.day);
  system.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
  system.wHour = static_cast<WORD>(time.hour);
  system.wMinute = static_cast<WORD>(time.minute);
  system.wSecond = static_cast<WORD>(time.second);
  system.wMilliseconds = static_cast<WORD>(time.millisecond);
  return system;
}

DateTime FromSystemTime(const SYSTEMTIME& time) {
  return EncodeDateTime({time.wYear, time.wMonth, time.wDay},
                        {time.wHour, time.wMinute, time.wSecond, time.wMilliseconds});
}

}  // namespace zorvat
