#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zorvat {

// A key of the settings file with the default of one reader. Where two readers of one key give
// different defaults, each has its own constant; writers may use either.
struct StringKey {
  std::string_view section;
  std::string_view name;
  std::string_view fallback;
};

struct IntegerKey {
  std::string_view section;
  std::string_view name;
  std::int32_t fallback;
};

struct BoolKey {
  std::string_view section;
  std::string_view name;
  bool fallback;
};

// The complete key table of "Zorvat.ini": section, spelling, default per reader.
namespace keys {

inline constexpr std::string_view kConfig = "Config";
inline constexpr std::string_view kShortCuts = "ShortCuts";
inline constexpr std::string_view kRecent = "Recent";

// Section Config.
inline constexpr IntegerKey kMainRefresh{kConfig, "MainRefresh", 5000};  // ms, live setting
inline constexpr IntegerKey kWeekEVDay{kConfig, "WeekEVDay", 6};         // 1 Sunday..7 Saturday
inline constexpr IntegerKey kMonthEVDay{kConfig, "MonthEVDay", 1};
inline constexpr StringKey kDefaultLib{kConfig, "DefaultLib", ""};
inline constexpr IntegerKey kDefaultLibMode{kConfig, "DefaultLibMode", 0};  // 0 none, 1, 2
inline constexpr BoolKey kAutoSave{kConfig, "AutoSave", true};
inline constexpr BoolKey kAutoStart{kConfig, "AutoStart", false};
inline constexpr BoolKey kMinimize{kConfig, "Minimize", false};
inline constexpr BoolKey kActiveAtStartUp{kConfig, "Active", false};
inline constexpr BoolKey kActiveInOptions{kConfig, "Active", true};
inline constexpr BoolKey kNewItemActive{kConfig, "NewItem_Active", true};
inline constexpr BoolKey kNewItemReq{kConfig, "NewItem_Req", true};
inline constexpr IntegerKey kAlertRepeatAtStartUp{kConfig, "AlertRepeat", 1};
inline constexpr IntegerKey kAlertRepeatInOptions{kConfig, "AlertRepeat", 3};
inline constexpr IntegerKey kAlertMode{kConfig, "AlertMode", 0};  // 0 none, 1 dialog, 2 blink
inline constexpr IntegerKey kZorvatChoiceWidth{kConfig, "ZorvatChoice_Width", 185};
inline constexpr BoolKey kMax{kConfig, "Max", false};
// Events missed while the computer slept or Zorvat was not running.
inline constexpr BoolKey kCatchUp{kConfig, "CatchUp", true};
inline constexpr IntegerKey kCatchUpDays{kConfig, "CatchUpDays", 7};  // how far back to look
inline constexpr BoolKey kWakeForEvents{kConfig, "WakeForEvents", false};

// Section ShortCuts: the "Switch to" entries. The main window (RefreshSwitchToMenu and the
// entries' click handlers) spells them "ShortCut_…"; the options dialog reads and writes them
// as "SHortCut_…". Keys match without regard to case, so they are the same keys; a file written
// by the options dialog holds the dialog's spelling.
inline constexpr std::array<StringKey, 3> kShortCutName{{
    {kShortCuts, "ShortCut_Name#1", ""},
    {kShortCuts, "ShortCut_Name#2", ""},
    {kShortCuts, "ShortCut_Name#3", ""},
}};
inline constexpr std::array<StringKey, 3> kShortCutFile{{
    {kShortCuts, "ShortCut_File#1", ""},
    {kShortCuts, "ShortCut_File#2", ""},
    {kShortCuts, "ShortCut_File#3", ""},
}};
inline constexpr std::array<StringKey, 3> kOptionsShortCutName{{
    {kShortCuts, "SHortCut_Name#1", ""},
    {kShortCuts, "SHortCut_Name#2", ""},
    {kShortCuts, "SHortCut_Name#3", ""},
}};
inline constexpr std::array<StringKey, 3> kOptionsShortCutFile{{
    {kShortCuts, "SHortCut_File#1", ""},
    {kShortCuts, "SHortCut_File#2", ""},
    {kShortCuts, "SHortCut_File#3", ""},
}};

// Section Recent: the three recent-file captions and the list file current at the last close.
inline constexpr std::array<StringKey, 3> kRecentFile{{
    {kRecent, "ShortCut#1", "[Keine#1]"},
    {kRecent, "ShortCut#2", "[Keine#2]"},
    {kRecent, "ShortCut#3", "[Keine#3]"},
}};
inline constexpr StringKey kLastOpened{kRecent, "LastOpened", ""};

}  // namespace keys
}  // namespace zorvat
