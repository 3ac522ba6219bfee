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

// The keys of "Zorvat.ini" that code reads by name: section, spelling, default per reader. An
// option read only through the options table is spelled in its row there (OptionsTable.cpp).
namespace keys {

inline constexpr std::string_view kConfig = "Config";
inline constexpr std::string_view kShortCuts = "ShortCuts";
inline constexpr std::string_view kRecent = "Recent";

// Section Config.
inline constexpr StringKey kDefaultLib{kConfig, "DefaultLib", ""};
inline constexpr IntegerKey kDefaultLibMode{kConfig, "DefaultLibMode", 0};  // 0 none, 1, 2
inline constexpr BoolKey kAutoSave{kConfig, "AutoSave", true};
inline constexpr BoolKey kAutoStart{kConfig, "AutoStart", false};
inline constexpr BoolKey kMinimize{kConfig, "Minimize", false};
inline constexpr BoolKey kActiveAtStartUp{kConfig, "Active", false};  // the dialog shows true
inline constexpr IntegerKey kAlertMode{kConfig, "AlertMode", 0};      // 0 none, 1 dialog, 2 blink
inline constexpr IntegerKey kZorvatChoiceWidth{kConfig, "ZorvatChoice_Width", 185};
inline constexpr BoolKey kMax{kConfig, "Max", false};

// Section ShortCuts: the "Switch to" entries as the main window (RefreshSwitchToMenu and the
// entries' click handlers) spells them; the options dialog spells them "SHortCut_…".
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

// Section Recent: the three recent-file captions and the list file current at the last close.
inline constexpr std::array<StringKey, 3> kRecentFile{{
    {kRecent, "ShortCut#1", "[Keine#1]"},
    {kRecent, "ShortCut#2", "[Keine#2]"},
    {kRecent, "ShortCut#3", "[Keine#3]"},
}};
inline constexpr StringKey kLastOpened{kRecent, "LastOpened", ""};

}  // namespace keys
}  // namespace zorvat
