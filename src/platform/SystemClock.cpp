#include "platform/SystemClock.h"

#include <windows.h>

namespace zorvat {

DateTime SystemClock::Now() const {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return EncodeDateTime({st.wYear, st.wMonth, st.wDay},
                        {st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
}

}  // namespace zorvat
