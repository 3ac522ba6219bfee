#include "settings/LiveSettings.h"

#include <array>

#include <variant>

#include "settings/OptionsTable.h"
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

void LoadLiveSettings(const SettingsFile& settings, LiveSettings& live) {
  for (const Option& option : Options()) {
    const OptionKey& key = option.key;
    std::visit(Overloaded{
                   [&](const FlagOption& flag) {
                     if (flag.live) {
                       live.*flag.live =
                           settings.ReadBool(key.section, key.name, key.fallback != 0);
                     }
                   },
                   [&](const NumberOption& number) {
                     if (std::holds_alternative<std::monostate>(number.live)) {
                       return;
                     }
                     const int stored = settings.ReadInteger(
                         key.section, key.name, number.startFallback.value_or(key.fallback));
                     SetLiveNumber(live, number.live,
                                   number.startKeepsLowBits ? stored : number.range.Clamp(stored));
                   },
                   [](const ChoiceOption&) {},
                   [](const TextOption&) {},
                   [&](const WeekDayOption& weekDay) {
                     live.*weekDay.live = static_cast<std::uint8_t>(
                         settings.ReadInteger(key.section, key.name, key.fallback));
                     UpdateWeekDayName(live);
                   },
                   [&](const MonthDayOption& monthDay) {
                     live.*monthDay.live = static_cast<std::uint8_t>(
                         settings.ReadInteger(key.section, key.name, key.fallback));
                   },
               },
               option.value);
  }
}

}  // namespace zorvat
