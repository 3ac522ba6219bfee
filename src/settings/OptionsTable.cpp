#include "settings/OptionsTable.h"

#include <algorithm>
#include <type_traits>

#include "OptionsDialogIds.h"

namespace zorvat {
namespace {

using keys::kConfig;
using keys::kShortCuts;
using V = OptionsValues;
using L = LiveSettings;

// The pages, left to right (kOptionsPages).
enum Page : int {
  kTimerPage,
  kFilesPage,
  kAlertPage,
  kSwitchToPage,
  kPresetsPage,
  kMissedEventsPage
};

constexpr int SwitchToItem(int row, int part) {
  return IDC_USER_ROW_FIRST + IDC_USER_ROW_STEP * row + part;
}

// A "Switch to" row's name and file. The main window spells these keys "ShortCut_…" (keys::
// kShortCutName); the options dialog has always read and written "SHortCut_…". Keys match
// without regard to case, so they are the same keys, and a file the dialog wrote keeps its
// spelling.
constexpr Option SwitchToName(int row, std::string_view key) {
  return {StringKey{kShortCuts, key, ""},
          TextOption{.entries = &V::shortCutName, .entry = static_cast<std::size_t>(row)},
          SwitchToItem(row, IDC_USER_ROW_NAME), kSwitchToPage, OptionEffect::SwitchToMenu};
}
constexpr Option SwitchToFile(int row, std::string_view key) {
  return {StringKey{kShortCuts, key, ""},
          TextOption{.entries = &V::shortCutFile, .entry = static_cast<std::size_t>(row)},
          SwitchToItem(row, IDC_USER_ROW_FILE), kSwitchToPage, OptionEffect::SwitchToMenu};
}

// The main timer's period stays within a minute (a longer one would skip minutes), the alert
// repeat count within the live setting's eight bits.
constexpr std::array kOptions{
    Option{IntegerKey{kConfig, "MainRefresh", 5000},
           NumberOption{.field = &V::mainRefresh,
                        .range = {1000, 60000},
                        .live = &L::mainTimerPeriod,
                        .showsLive = true,
                        .startKeepsLowBits = true},
           IDC_MAIN_REFRESH, kTimerPage},
    Option{IntegerKey{kConfig, "WeekEVDay", 6},  // 1 Sunday .. 7 Saturday
           WeekDayOption{&V::weekDayChoice, &L::weekDay}, IDC_WEEKDAY, kTimerPage,
           OptionEffect::EventColumnHeaders},
    Option{IntegerKey{kConfig, "MonthEVDay", 1}, MonthDayOption{&V::monthDayDate, &L::monthDay},
           IDC_MONTH_DAY, kTimerPage, OptionEffect::EventColumnHeaders},
    Option{keys::kDefaultLib, TextOption{.field = &V::defaultLib}, IDC_DEFAULT_FILE, kFilesPage},
    Option{keys::kDefaultLibMode, ChoiceOption{&V::defaultLibMode, 3}, IDC_NO_DEFAULT_LIST,
           kFilesPage},
    Option{keys::kAutoSave, FlagOption{&V::autoSave}, IDC_AUTOSAVE, kFilesPage},
    Option{keys::kAutoStart, FlagOption{&V::autoStart}, IDC_AUTOSTART, kPresetsPage,
           OptionEffect::StartupShortcut},
    Option{keys::kMinimize, FlagOption{&V::minimize}, IDC_MINIMIZE, kPresetsPage},
    // The start reads it as off (keys::kActiveAtStartUp); the dialog shows it on.
    Option{BoolKey{kConfig, "Active", true}, FlagOption{&V::active}, IDC_ACTIVE, kPresetsPage},
    Option{BoolKey{kConfig, "NewItem_Active", true},
           FlagOption{&V::newItemActive, &L::newEventActive}, IDC_NEW_EVENT_ACTIVE, kPresetsPage},
    Option{BoolKey{kConfig, "NewItem_Req", true}, FlagOption{&V::newItemReq, &L::newEventQuery},
           IDC_NEW_EVENT_QUERY, kPresetsPage},
    SwitchToName(0, "SHortCut_Name#1"),
    SwitchToFile(0, "SHortCut_File#1"),
    SwitchToName(1, "SHortCut_Name#2"),
    SwitchToFile(1, "SHortCut_File#2"),
    SwitchToName(2, "SHortCut_Name#3"),
    SwitchToFile(2, "SHortCut_File#3"),
    Option{IntegerKey{kConfig, "AlertRepeat", 3},
           NumberOption{.field = &V::alertRepeat,
                        .range = {1, 255},
                        .live = &L::alertRepeat,
                        .startKeepsLowBits = true,
                        .startFallback = 1},
           IDC_ALERT_REPEAT, kAlertPage},
    Option{keys::kAlertMode, ChoiceOption{&V::alertMode, 3}, IDC_NO_VISUAL_ALERT, kAlertPage},
    // Events missed while the computer slept or Zorvat was not running.
    Option{BoolKey{kConfig, "CatchUp", true}, FlagOption{&V::catchUp, &L::catchUp}, IDC_CATCH_UP,
           kMissedEventsPage},
    Option{IntegerKey{kConfig, "CatchUpDays", 7},  // how far back to look
           NumberOption{.field = &V::catchUpDays, .range = {1, 366}, .live = &L::catchUpDays},
           IDC_CATCH_UP_DAYS, kMissedEventsPage},
    Option{BoolKey{kConfig, "WakeForEvents", false},
           FlagOption{&V::wakeForEvents, &L::wakeForEvents}, IDC_WAKE_FOR_EVENTS, kMissedEventsPage,
           OptionEffect::Scheduler},
};

}  // namespace

int LiveNumberValue(const LiveSettings& live, const LiveNumber& field) {
  return std::visit(Overloaded{[](std::monostate) { return 0; },
                               [&live](auto member) { return static_cast<int>(live.*member); }},
                    field);
}

void SetLiveNumber(LiveSettings& live, const LiveNumber& field, int value) {
  std::visit(Overloaded{[](std::monostate) {},
                        [&](auto member) {
                          using Width = std::remove_reference_t<decltype(live.*member)>;
                          live.*member = static_cast<Width>(value);
                        }},
             field);
}

std::span<const Option> Options() {
  return kOptions;
}

std::vector<OptionEffect> OptionEffects() {
  std::vector<OptionEffect> effects;
  for (const Option& option : kOptions) {
    if (option.applies != OptionEffect::None) {
      effects.push_back(option.applies);
    }
  }
  std::sort(effects.begin(), effects.end());
  effects.erase(std::unique(effects.begin(), effects.end()), effects.end());
  return effects;
}

}  // namespace zorvat
