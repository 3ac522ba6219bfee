#include "platform/UserRegionalFormats.h"

#include <windows.h>

#include "shellkit/WideText.h"

namespace zorvat {
namespace {

std::string LocaleText(LCTYPE type, const std::string& fallback) {
  wchar_t buffer[128];
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
  return length > 1 ? Narrow(std::wstring_view(buffer, static_cast<size_t>(length - 1))) : fallback;
}

}  // namespace

RegionalFormats ReadUserRegionalFormats() {
  RegionalFormats f = RegionalFormats::EnUs();
  f.shortDate = LocaleText(LOCALE_SSHORTDATE, f.shortDate);
  f.longTime = LocaleText(LOCALE_STIMEFORMAT, f.longTime);
  // Empty designators are real: 24-hour locales have none.
  wchar_t buffer[64];
  f.am = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_S1159, buffer, 64) > 0 ? Narrow(buffer)
                                                                                 : std::string();
  f.pm = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_S2359, buffer, 64) > 0 ? Narrow(buffer)
                                                                                 : std::string();
  for (int i = 0; i < 7; ++i) {
    // Windows counts the day names from Monday; ours start on Sunday.
    const int windowsIndex = (i + 6) % 7;
    f.longDayNames[i] = LocaleText(LOCALE_SDAYNAME1 + windowsIndex, f.longDayNames[i]);
    f.shortDayNames[i] = LocaleText(LOCALE_SABBREVDAYNAME1 + windowsIndex, f.shortDayNames[i]);
  }
  for (int i = 0; i < 12; ++i) {
    f.longMonthNames[i] = LocaleText(LOCALE_SMONTHNAME1 + i, f.longMonthNames[i]);
    f.shortMonthNames[i] = LocaleText(LOCALE_SABBREVMONTHNAME1 + i, f.shortMonthNames[i]);
  }
  return f;
}

}  // namespace zorvat
