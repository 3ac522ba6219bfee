#include <windows.h>

#include <gtest/gtest.h>

#include "base/DateTimeText.h"
#include "platform/UserRegionalFormats.h"
#include "shellkit/WideText.h"

namespace zorvat {
namespace {

SYSTEMTIME ToSystemTime(DateTime value) {
  const CivilDate d = DecodeDate(value);
  const TimeOfDay t = DecodeTime(value);
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(d.year);
  st.wMonth = static_cast<WORD>(d.month);
  st.wDay = static_cast<WORD>(d.day);
  st.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
  st.wHour = static_cast<WORD>(t.hour);
  st.wMinute = static_cast<WORD>(t.minute);
  st.wSecond = static_cast<WORD>(t.second);
  return st;
}

std::string SystemDate(DateTime value) {
  const SYSTEMTIME st = ToSystemTime(value);
  wchar_t buffer[128];
  const int n =
      GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128, nullptr);
  return n > 0 ? Narrow(buffer) : std::string("(failed)");
}

std::string SystemTime(DateTime value) {
  const SYSTEMTIME st = ToSystemTime(value);
  wchar_t buffer[128];
  const int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st, nullptr, buffer, 128);
  return n > 0 ? Narrow(buffer) : std::string("(failed)");
}

TEST(UserRegionalFormats, FormatsAsTheSystemDoes) {
  const RegionalFormats f = ReadUserRegionalFormats();
  EXPECT_FALSE(f.shortDate.empty());
  EXPECT_FALSE(f.longTime.empty());
  SYSTEMTIME now;
  GetLocalTime(&now);
  const DateTime today = EncodeDate(now.wYear, now.wMonth, now.wDay);
  // Today, and a day whose day and month both have two digits, in the morning and evening.
  for (const DateTime value : {today, EncodeDateTime({1998, 12, 24}, {18, 30, 5, 0}),
                               EncodeDateTime({2026, 1, 2}, {7, 4, 9, 0})}) {
    EXPECT_EQ(FormatDate(value, f), SystemDate(value));
    EXPECT_EQ(FormatTime(value, f), SystemTime(value));
    EXPECT_EQ(ParseDateTime(FormatDateTime(value, f), f, now.wYear), value);
  }
}

TEST(UserRegionalFormats, DesignatorsMatchTheTimePicture) {
  const RegionalFormats f = ReadUserRegionalFormats();
  if (f.longTime.find('t') != std::string::npos) {
    EXPECT_FALSE(f.am.empty());
    EXPECT_FALSE(f.pm.empty());
  }
}

}  // namespace
}  // namespace zorvat
