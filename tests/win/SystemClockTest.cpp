#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "platform/SystemClock.h"

namespace zorvat {
namespace {

TEST(SystemClock, ShowsLocalTimeToTheMillisecond) {
  const SystemClock clock;
  SYSTEMTIME before;
  GetLocalTime(&before);
  const DateTime now = clock.Now();
  const DateTime expected =
      EncodeDateTime({before.wYear, before.wMonth, before.wDay},
                     {before.wHour, before.wMinute, before.wSecond, before.wMilliseconds});
  EXPECT_GE(ToMilliseconds(now), ToMilliseconds(expected));
  EXPECT_LT(ToMilliseconds(now) - ToMilliseconds(expected), 2000);
  Sleep(30);
  EXPECT_GT(ToMilliseconds(clock.Now()), ToMilliseconds(now));
}

}  // namespace
}  // namespace zorvat
