#include "events/MainWindowTexts.h"

#include "base/DateTimeText.h"
#include "settings/LiveSettings.h"

namespace zorvat {

ClockTexts ClockTextsAt(DateTime now, const RegionalFormats& formats) {
  return {FormatDateTime(now, formats), FormatTime(now, formats),
          std::string(WeekDayName(DayOfWeek(now))) + ", " + FormatDate(now, formats)};
}

std::string_view TrayHint(bool active) {
  return active ? "Brumsel! Zorvat (active)" : "Brumsel! Zorvat (inactive)";
}

}  // namespace zorvat
