#include "platform/WakeTimer.h"

#include <windows.h>

#include "platform/SystemTimes.h"

namespace zorvat {

void WakeTimer::Arm(std::optional<DateTime> at) {
  if (!at) {
    timer_.reset();
    return;
  }
  const SYSTEMTIME local = ToSystemTime(*at);
  SYSTEMTIME utc{};
  FILETIME due{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) ||
      !SystemTimeToFileTime(&utc, &due)) {
    return;
  }
  if (!timer_) {
    timer_ = shellkit::KernelHandle(CreateWaitableTimerW(nullptr, TRUE, nullptr));
  }
  LARGE_INTEGER when{};
  when.LowPart = due.dwLowDateTime;
  when.HighPart = static_cast<LONG>(due.dwHighDateTime);
  // fResume: the timer wakes the computer; nobody waits on it, the scheduler's ticks follow.
  // A system that cannot wake by timer still keeps it as an ordinary timer.
  if (timer_) {
    SetWaitableTimer(timer_.get(), &when, 0, nullptr, nullptr, TRUE);
  }
}

}  // namespace zorvat
