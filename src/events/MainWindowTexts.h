#pragma once

#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "base/RegionalFormats.h"
#include "events/EventMessages.h"

namespace zorvat {

// What the main window's clock shows at one instant.
struct ClockTexts {
  std::string statusText;  // status bar: short date and long time
  std::string timeText;    // the large time label: long time
  std::string dayText;     // "Monday, " + short date: the weekday of the instant itself
};

ClockTexts ClockTextsAt(DateTime now, const RegionalFormats& formats);

// The tray icon's hints, TrayHint and StartTrayHint, are in EventMessages.h.

// Fixed texts of the status bar.
inline constexpr std::string_view kStatusVersionText = "v1.0 Build 2.00.00";
inline constexpr std::string_view kStatusLastPanelText = "[]";

}  // namespace zorvat
