#include "settings/LiveSettings.h"

#include <array>

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace zorvat {

std::string_view WeekDayName(int weekDay) {
  static constexpr std::array<std::string_view, 7> kNames = {
      "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  if (weekDay < 1 || weekDay > 7) {
    return {};
  }
  return kNames[static_cast<std::size_t>(weekDay - 1)];
}

void UpdateWeekDayName(LiveSettings& live) {
  if (const std::string_view name = WeekDayName(live.weekDay); !name.empty()) {
    live.weekDayName = name;
  }
}

// Conversions to unsigned types keep the low bits (modulo 2^n), as the live widths ask.
void LoadWeekDay(const SettingsFile& settings, LiveSettings& live) {
  live.weekDay = static_cast<std::uint8_t>(settings.Read(keys::kWeekEVDay));
  UpdateWeekDayName(live);
}

void LoadMonthDayAndTimerPeriod(const SettingsFile& settings, LiveSettings& live) {
  live.monthDay = static_cast<std::uint8_t>(settings.Read(keys::kMonthEVDay));
  live.mainTimerPeriod = static_cast<std::uint16_t>(settings.Read(keys::kMainRefresh));
}

void LoadNewEventDefaults(const SettingsFile& settings, LiveSettings& live) {
  live.newEventActive = settings.Read(keys::kNewItemActive);
  live.newEventQuery = settings.Read(keys::kNewItemReq);
}

void LoadAlertRepeat(const SettingsFile& settings, LiveSettings& live) {
  live.alertRepeat = static_cast<std::uint8_t>(settings.Read(keys::kAlertRepeatAtStartUp));
}

int ClampCatchUpDays(int days) {
  return days < kFewestCatchUpDays ? kFewestCatchUpDays
         : days > kMostCatchUpDays ? kMostCatchUpDays
                                   : days;
}

void LoadCatchUp(const SettingsFile& settings, LiveSettings& live) {
  live.catchUp = settings.Read(keys::kCatchUp);
  live.catchUpDays =
      static_cast<std::uint16_t>(ClampCatchUpDays(settings.Read(keys::kCatchUpDays)));
  live.wakeForEvents = settings.Read(keys::kWakeForEvents);
}

void LoadLiveSettings(const SettingsFile& settings, LiveSettings& live) {
  LoadWeekDay(settings, live);
  LoadMonthDayAndTimerPeriod(settings, live);
  LoadNewEventDefaults(settings, live);
  LoadAlertRepeat(settings, live);
  LoadCatchUp(settings, live);
}

}  // namespace zorvat
