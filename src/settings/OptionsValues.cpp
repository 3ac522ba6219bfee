#include "settings/OptionsValues.h"

#include <variant>

#include "settings/DayPickers.h"
#include "settings/OptionsTable.h"
#include "settings/SettingsStore.h"

namespace zorvat {
namespace {

std::string Bool(bool value) {
  return value ? "1" : "0";
}

}  // namespace

OptionsValues LoadOptions(const SettingsFile& settings, const LiveSettings& live,
                          const CivilDate& today, const OptionsValues& previous) {
  OptionsValues values = previous;
  for (const Option& option : Options()) {
    const OptionKey& key = option.key;
    const auto stored = [&] { return settings.ReadInteger(key.section, key.name, key.fallback); };
    std::visit(Overloaded{
                   [&](const FlagOption& flag) {
                     values.*flag.field =
                         settings.ReadBool(key.section, key.name, key.fallback != 0);
                   },
                   [&](const NumberOption& number) {
                     values.*number.field = number.range.Clamp(
                         number.showsLive ? LiveNumberValue(live, number.live) : stored());
                   },
                   [&](const ChoiceOption& choice) {
                     if (const int value = stored(); value >= 0 && value < choice.count) {
                       values.*choice.field = value;
                     }
                   },
                   [&](const TextOption& text) {
                     text.Of(values) = settings.ReadString(key.section, key.name, key.textFallback);
                   },
                   [&](const WeekDayOption& weekDay) {
                     if (const auto choice = WeekDayChoiceIndex(live.*weekDay.live)) {
                       values.*weekDay.field = choice;
                     }
                   },
                   [&](const MonthDayOption& monthDay) {
                     values.*monthDay.field = MonthDayPickerDate(today, live.*monthDay.live);
                   },
               },
               option.value);
  }
  return values;
}

std::vector<ProfileWrite> OptionsWrites(const OptionsValues& values) {
  std::vector<ProfileWrite> writes;
  for (const Option& option : Options()) {
    const std::optional<std::string> value = std::visit(
        Overloaded{
            [&](const FlagOption& flag) -> std::optional<std::string> {
              return Bool(values.*flag.field);
            },
            [&](const NumberOption& number) -> std::optional<std::string> {
              return std::to_string(values.*number.field);
            },
            [&](const ChoiceOption& choice) -> std::optional<std::string> {
              const std::optional<int> chosen = values.*choice.field;
              return chosen ? std::optional(std::to_string(*chosen)) : std::nullopt;
            },
            [&](const TextOption& text) -> std::optional<std::string> { return text.Of(values); },
            [&](const WeekDayOption& weekDay) -> std::optional<std::string> {
              const std::optional<int> chosen = values.*weekDay.field;
              const auto day = chosen ? WeekDayOfChoice(*chosen) : std::nullopt;
              return day ? std::optional(std::to_string(*day)) : std::nullopt;
            },
            [&](const MonthDayOption& monthDay) -> std::optional<std::string> {
              return std::to_string((values.*monthDay.field).day);
            },
        },
        option.value);
    if (value) {
      writes.push_back({std::string(option.key.section), std::string(option.key.name), *value});
    }
  }
  return writes;
}

void ApplyOptions(const OptionsValues& values, LiveSettings& live) {
  for (const Option& option : Options()) {
    std::visit(Overloaded{
                   [&](const FlagOption& flag) {
                     if (flag.live) {
                       live.*flag.live = values.*flag.field;
                     }
                   },
                   [&](const NumberOption& number) {
                     SetLiveNumber(live, number.live, number.range.Clamp(values.*number.field));
                   },
                   [](const ChoiceOption&) {},
                   [](const TextOption&) {},
                   [&](const WeekDayOption& weekDay) {
                     const std::optional<int> chosen = values.*weekDay.field;
                     if (const auto day = chosen ? WeekDayOfChoice(*chosen) : std::nullopt) {
                       live.*weekDay.live = *day;
                     }
                     UpdateWeekDayName(live);
                   },
                   [&](const MonthDayOption& monthDay) {
                     live.*monthDay.live = static_cast<std::uint8_t>((values.*monthDay.field).day);
                   },
               },
               option.value);
  }
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
