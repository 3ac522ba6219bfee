#include "ui/WindowTimers.h"

namespace zorvat::ui {

// SetTimer with a running id restarts its count, as arming anew must.
void WindowTimers::Start(SchedulerTimer timer, std::uint32_t milliseconds) {
  if (window_) {
    SetTimer(window_, EntryOf(timer).id, milliseconds, nullptr);
  }
}

void WindowTimers::Stop(SchedulerTimer timer) {
  if (window_) {
    KillTimer(window_, EntryOf(timer).id);
  }
}

}  // namespace zorvat::ui
