#include "base/RegionalFormats.h"

#include <string_view>

namespace zorvat {
namespace {

char FirstSeparator(std::string_view picture, std::string_view letters, char fallback) {
  bool quoted = false;
  for (char c : picture) {
    if (c == '\'') {
      quoted = !quoted;
    } else if (!quoted && letters.find(c) == std::string_view::npos) {
      return c;
    }
  }
  return fallback;
}

}  // namespace

char RegionalFormats::DateSeparator() const {
  return FirstSeparator(shortDate, "dMyg", '/');
}

char RegionalFormats::TimeSeparator() const {
  // A blank only sets a designator apart ("tt h:mm:ss"); it never stands between the numbers.
  return FirstSeparator(longTime, "hHmst ", ':');
}

RegionalFormats RegionalFormats::EnUs() {
  RegionalFormats f;
  f.shortDate = "M/d/yyyy";
  f.longTime = "h:mm:ss tt";
  f.am = "AM";
  f.pm = "PM";
  return f;
}

RegionalFormats RegionalFormats::DeDe() {
  RegionalFormats f;
  f.shortDate = "dd.MM.yyyy";
  f.longTime = "HH:mm:ss";
  f.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  f.longDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                    "Donnerstag", "Freitag", "Samstag"};
  f.shortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                       "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  f.longMonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                      "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  return f;
}

DateOrder DateOrderOf(const std::string& shortDatePicture) {
  bool quoted = false;
  for (char c : shortDatePicture) {
    if (c == '\'') {
      quoted = !quoted;
    } else if (!quoted) {
      if (c == 'd')
        return DateOrder::DMY;
      if (c == 'M')
        return DateOrder::MDY;
      if (c == 'y')
        return DateOrder::YMD;
    }
  }
  return DateOrder::MDY;
}

}  // namespace zorvat
