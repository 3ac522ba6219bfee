#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/DateTime.h"
#include "settings/LiveSettings.h"
#include "settings/OptionsValues.h"
#include "settings/SettingsKeys.h"

namespace zorvat {

// For std::visit over an option's kind: one lambda per kind.
template <typename... Kinds>
struct Overloaded : Kinds... {
  using Kinds::operator()...;
};
template <typename... Kinds>
Overloaded(Kinds...) -> Overloaded<Kinds...>;

// What must follow a confirmed options dialog besides the live settings, in the order it runs.
enum class OptionEffect {
  None,
  EventColumnHeaders,  // the weekly and monthly lists' event column headers
  StartupShortcut,     // the shortcut in the Startup folder
  SwitchToMenu,        // the "Switch to" menu's entries
  Scheduler,           // the scheduler looks at its settings again (the wake alarm)
};

// Where an option is stored, with the dialog's default.
struct OptionKey {
  std::string_view section;
  std::string_view name;
  std::int32_t fallback = 0;
  std::string_view textFallback;

  constexpr OptionKey(BoolKey key)
      : section(key.section), name(key.name), fallback(key.fallback ? 1 : 0) {}
  constexpr OptionKey(IntegerKey key)
      : section(key.section), name(key.name), fallback(key.fallback) {}
  constexpr OptionKey(StringKey key)
      : section(key.section), name(key.name), textFallback(key.fallback) {}
};

// A check box.
struct FlagOption {
  bool OptionsValues::*field;
  bool LiveSettings::*live = nullptr;
};

using LiveNumber =
    std::variant<std::monostate, std::uint8_t LiveSettings::*, std::uint16_t LiveSettings::*>;

// A number in an edit box; its spin button is the control after it.
struct NumberOption {
  int OptionsValues::*field;
  IntegerRange range;
  LiveNumber live{};
  // The dialog shows the live value rather than the stored one.
  bool showsLive = false;
  // The start keeps the low bits that fit the live width rather than clamping, as it always did.
  bool startKeepsLowBits = false;
  // The start's default, where it differs from the dialog's.
  std::optional<std::int32_t> startFallback{};
};

// Radio buttons: the first is the row's control, the others follow it. A stored value without a
// button keeps the last choice; nothing ticked writes nothing.
struct ChoiceOption {
  std::optional<int> OptionsValues::*field;
  int count;
};

// Text in an edit box: a field of its own, or one entry of a "Switch to" row.
struct TextOption {
  std::string OptionsValues::*field = nullptr;
  std::array<std::string, 3> OptionsValues::*entries = nullptr;
  std::size_t entry = 0;

  std::string& Of(OptionsValues& values) const {
    return field ? values.*field : (values.*entries)[entry];
  }
  const std::string& Of(const OptionsValues& values) const {
    return field ? values.*field : (values.*entries)[entry];
  }
};

// The weekday drop-down (kWeekDayChoices), shown from the live weekday and its name kept with it.
struct WeekDayOption {
  std::optional<int> OptionsValues::*field;
  std::uint8_t LiveSettings::*live;
};

// The month-day picker, shown from the live month day; only the picked date's day counts.
struct MonthDayOption {
  CivilDate OptionsValues::*field;
  std::uint8_t LiveSettings::*live;
};

using OptionControl =
    std::variant<FlagOption, NumberOption, ChoiceOption, TextOption, WeekDayOption, MonthDayOption>;

// One option: where it is stored, how the dialog shows and keeps it, where it lives while the
// program runs and what else must follow when it is confirmed. Its control's id lies in its
// page's block (OptionsDialogIds.h), which is how the dialog shows a page.
struct Option {
  OptionKey key;
  OptionControl value;
  int control;
  int page;  // index into kOptionsPages
  OptionEffect applies = OptionEffect::None;
};

// A number's spin button is the control after its edit box; a choice's radio buttons follow
// each other from the row's control on.
constexpr int SpinButtonOf(const Option& option) {
  return option.control + 1;
}
constexpr int ChoiceButtonOf(const Option& option, int choice) {
  return option.control + choice;
}

// The live number's value, and a value stored into it keeping the low bits that fit its width.
int LiveNumberValue(const LiveSettings& live, const LiveNumber& field);
void SetLiveNumber(LiveSettings& live, const LiveNumber& field, int value);

// Every option, in the order OK writes them (a fresh file keeps that order).
std::span<const Option> Options();

// The effects the options name, each once, in the order they run.
std::vector<OptionEffect> OptionEffects();

}  // namespace zorvat
