#pragma once

#include <array>
#include <string>

namespace zorvat {

// The user's regional date and time formats, as Windows reports them (Windows picture notation).
struct RegionalFormats {
  std::string shortDate;  // LOCALE_SSHORTDATE, e.g. "M/d/yyyy"
  std::string longTime;   // LOCALE_STIMEFORMAT, e.g. "h:mm:ss tt"
  std::string am;         // LOCALE_S1159
  std::string pm;         // LOCALE_S2359
  std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
  std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};

  // The first character of the picture that is not a picture letter (for the time, nor a blank);
  // '/' and ':' when none.
  char DateSeparator() const;
  char TimeSeparator() const;

  static RegionalFormats EnUs();
  static RegionalFormats DeDe();
};

enum class DateOrder { DMY, MDY, YMD };

// From the first d, M or y of the short date picture.
DateOrder DateOrderOf(const std::string& shortDatePicture);

}  // namespace zorvat
