#include "events/MainWindowTexts.h"

#include "base/DateTimeText.h"
#include "settings/LiveSettings.h"

namespace zorvat {

ClockTexts ClockTextsAt(DateTime now, const RegionalFormats& formats) {
  return {FormatDateTime(now, formats), FormatTime(now, formats),
          std::string(WeekDayName(DayOfWeek(now))) + ", " + FormatDate(now, formats)};
}

}  // namespace zorvat
