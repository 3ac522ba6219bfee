#pragma once

#include <array>
#include <string_view>

namespace zorvat {

// The options dialog's tabs, left to right. The last page is ours: the settings of missed events.
inline constexpr std::array<std::string_view, 6> kOptionsPages{
    "Timer properties",       "File options", "Alert",
    "Menuitem \"Switch to\"", "Presets",      "Missed events"};

// The titles of its file pickers: the start-up list's and a "Switch to" row's.
inline constexpr std::string_view kChooseListTitle = "Zorvat-Liste öffnen...";
inline constexpr std::string_view kChooseSwitchToFileTitle = "Datei angeben...";

}  // namespace zorvat
