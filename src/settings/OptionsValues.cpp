#include "settings/OptionsValues.h"

#include "settings/DayPickers.h"
#include "settings/SettingsStore.h"

namespace zorvat {
namespace {

std::optional<int> ChoiceOf(int stored, int count, std::optional<int> previous) {
  return stored >= 0 && stored < count ? std::optional<int>(stored) : previous;
}

std::string Bool(bool value) {
  return value ? "1" : "0";
}

template <typename Key>
ProfileWrite WriteOf(const Key& key, std::string value) {
  return {std::string(key.section), std::string(key.name), std::move(value)};
}

}  // namespace

OptionsValues LoadOptions(const SettingsFile& settings, const LiveSettings& live,
                          const CivilDate& today, const OptionsValues& previous) {
  OptionsValues values = previous;
  values.mainRefresh = kMainRefreshRange.Clamp(live.mainTimerPeriod);
  values.monthDayDate = MonthDayPickerDate(today, live.monthDay);
  if (const auto choice = WeekDayChoiceIndex(live.weekDay)) {
    values.weekDayChoice = choice;
  }
  values.defaultLib = settings.Read(keys::kDefaultLib);
  values.autoSave = settings.Read(keys::kAutoSave);
  values.defaultLibMode =
      ChoiceOf(settings.Read(keys::kDefaultLibMode), 3, previous.defaultLibMode);
  values.autoStart = settings.Read(keys::kAutoStart);
  values.minimize = settings.Read(keys::kMinimize);
  values.active = settings.Read(keys::kActiveInOptions);
  values.newItemActive = settings.Read(keys::kNewItemActive);
  values.newItemReq = settings.Read(keys::kNewItemReq);
  for (std::size_t i = 0; i < 3; ++i) {
    values.shortCutName[i] = settings.Read(keys::kOptionsShortCutName[i]);
    values.shortCutFile[i] = settings.Read(keys::kOptionsShortCutFile[i]);
  }
  values.alertRepeat = kAlertRepeatRange.Clamp(settings.Read(keys::kAlertRepeatInOptions));
  values.alertMode = ChoiceOf(settings.Read(keys::kAlertMode), 3, previous.alertMode);
  values.catchUp = settings.Read(keys::kCatchUp);
  values.catchUpDays = kCatchUpDaysRange.Clamp(settings.Read(keys::kCatchUpDays));
  values.wakeForEvents = settings.Read(keys::kWakeForEvents);
  return values;
}

std::vector<ProfileWrite> OptionsWrites(const OptionsValues& values) {
  std::vector<ProfileWrite> writes;
  writes.push_back(WriteOf(keys::kMainRefresh, std::to_string(values.mainRefresh)));
  if (const auto weekDay =
          values.weekDayChoice ? WeekDayOfChoice(*values.weekDayChoice) : std::nullopt) {
    writes.push_back(WriteOf(keys::kWeekEVDay, std::to_string(*weekDay)));
  }
  writes.push_back(WriteOf(keys::kMonthEVDay, std::to_string(values.monthDayDate.day)));
  writes.push_back(WriteOf(keys::kDefaultLib, values.defaultLib));
  if (values.defaultLibMode) {
    writes.push_back(WriteOf(keys::kDefaultLibMode, std::to_string(*values.defaultLibMode)));
  }
  writes.push_back(WriteOf(keys::kAutoSave, Bool(values.autoSave)));
  writes.push_back(WriteOf(keys::kAutoStart, Bool(values.autoStart)));
  writes.push_back(WriteOf(keys::kMinimize, Bool(values.minimize)));
  writes.push_back(WriteOf(keys::kActiveInOptions, Bool(values.active)));
  writes.push_back(WriteOf(keys::kNewItemActive, Bool(values.newItemActive)));
  writes.push_back(WriteOf(keys::kNewItemReq, Bool(values.newItemReq)));
  for (std::size_t i = 0; i < 3; ++i) {
    writes.push_back(WriteOf(keys::kOptionsShortCutName[i], values.shortCutName[i]));
    writes.push_back(WriteOf(keys::kOptionsShortCutFile[i], values.shortCutFile[i]));
  }
  writes.push_back(WriteOf(keys::kAlertRepeatInOptions, std::to_string(values.alertRepeat)));
  if (values.alertMode) {
    writes.push_back(WriteOf(keys::kAlertMode, std::to_string(*values.alertMode)));
  }
  writes.push_back(WriteOf(keys::kCatchUp, Bool(values.catchUp)));
  writes.push_back(WriteOf(keys::kCatchUpDays, std::to_string(values.catchUpDays)));
  writes.push_back(WriteOf(keys::kWakeForEvents, Bool(values.wakeForEvents)));
  return writes;
}

void ApplyOptions(const OptionsValues& values, LiveSettings& live) {
  live.mainTimerPeriod = static_cast<std::uint16_t>(kMainRefreshRange.Clamp(values.mainRefresh));
  if (const auto weekDay =
          values.weekDayChoice ? WeekDayOfChoice(*values.weekDayChoice) : std::nullopt) {
    live.weekDay = *weekDay;
  }
  live.monthDay = static_cast<std::uint8_t>(values.monthDayDate.day);
  UpdateWeekDayName(live);
  live.newEventActive = values.newItemActive;
  live.newEventQuery = values.newItemReq;
  live.alertRepeat = static_cast<std::uint8_t>(kAlertRepeatRange.Clamp(values.alertRepeat));
  live.catchUp = values.catchUp;
  live.catchUpDays = static_cast<std::uint16_t>(kCatchUpDaysRange.Clamp(values.catchUpDays));
  live.wakeForEvents = values.wakeForEvents;
}

std::string PickedFileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\:/");
  std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  // Four characters, not bytes: a name may hold letters of several bytes.
  for (int dropped = 0; dropped < 4 && !name.empty(); ++dropped) {
    std::size_t end = name.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
      --end;
    }
    name = name.substr(0, end);
  }
  return std::string(name);
}

}  // namespace zorvat
