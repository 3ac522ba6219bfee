#include "ui/WindowTimers.h"

namespace zorvat::ui {

void WindowTimers::StartAlwaysRunning() {
  for (const SchedulerTimerSpec& spec : kSchedulerTimers) {
    if (spec.fromStart) {
      Start(spec.timer, spec.interval);
    }
  }
}

// SetTimer with a running id restarts its count, as arming anew must.
void WindowTimers::Start(SchedulerTimer timer, std::uint32_t milliseconds) {
  if (window_) {
    SetTimer(window_, SpecOf(timer).id, milliseconds, nullptr);
  }
}

void WindowTimers::Stop(SchedulerTimer timer) {
  if (window_) {
    KillTimer(window_, SpecOf(timer).id);
  }
}

}  // namespace zorvat::ui
