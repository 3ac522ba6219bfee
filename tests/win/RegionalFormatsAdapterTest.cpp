#include <windows.h>

#include <gtest/gtest.h>

#include "base/DateTimeText.h"
#include "platform/SystemTimes.h"
#include "platform/UserRegionalFormats.h"
#include "shellkit/WideText.h"
#include "win/WinTestSupport.h"

namespace zorvat {
namespace {

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

// Sets the user's own pictures and designators, and puts the old ones back at the end.
class UserPictures {
 public:
  UserPictures() {
    for (LCTYPE type : kTypes) {
      wchar_t buffer[128] = {};
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
      saved_.emplace_back(type, buffer);
    }
  }
  ~UserPictures() {
    for (const auto& [type, value] : saved_) {
      SetLocaleInfoW(LOCALE_USER_DEFAULT, type, value.c_str());
    }
  }
  UserPictures(const UserPictures&) = delete;
  UserPictures& operator=(const UserPictures&) = delete;

  bool Set(const wchar_t* shortDate, const wchar_t* longTime, const wchar_t* am,
           const wchar_t* pm) {
    return SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, shortDate) &&
           SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, longTime) &&
           SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_S1159, am) &&
           SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_S2359, pm);
  }

 private:
  static constexpr LCTYPE kTypes[] = {LOCALE_SSHORTDATE, LOCALE_STIMEFORMAT, LOCALE_S1159,
                                      LOCALE_S2359};
  std::vector<std::pair<LCTYPE, std::wstring>> saved_;
};

TEST(UserRegionalFormats, FollowsTheUsersOwnPictures) {
  if (!testing::RunningUnderWine()) {
    GTEST_SKIP() << "changes the user's regional settings: only in the Wine test prefix";
  }
  struct Pictures {
    const wchar_t* shortDate;
    const wchar_t* longTime;
    const wchar_t* am;
    const wchar_t* pm;
  };
  const Pictures cases[] = {{L"dd.MM.yyyy", L"HH:mm:ss", L"", L""},
                            {L"M/d/yyyy", L"h:mm:ss tt", L"AM", L"PM"},
                            {L"yyyy-MM-dd", L"H:mm:ss", L"", L""},
                            {L"dd/MM/yy", L"hh:mm:ss tt", L"vorm.", L"nachm."},
                            {L"yyyy/M/d", L"tt h:mm:ss", L"\u4E0A\u5348", L"\u4E0B\u5348"}};
  UserPictures pictures;
  for (const Pictures& p : cases) {
    ASSERT_TRUE(pictures.Set(p.shortDate, p.longTime, p.am, p.pm));
    const RegionalFormats f = ReadUserRegionalFormats();
    EXPECT_EQ(f.shortDate, Narrow(p.shortDate));
    for (const DateTime value : {EncodeDateTime({1998, 12, 24}, {18, 30, 5, 0}),
                                 EncodeDateTime({2026, 1, 2}, {0, 4, 9, 0}),
                                 EncodeDateTime({2026, 7, 31}, {12, 0, 0, 0})}) {
      EXPECT_EQ(FormatDate(value, f), SystemDate(value)) << f.shortDate;
      EXPECT_EQ(FormatTime(value, f), SystemTime(value)) << f.longTime;
      EXPECT_EQ(ParseDateTime(FormatDateTime(value, f), f, 2026), value) << f.shortDate;
    }
  }
}

}  // namespace
}  // namespace zorvat
