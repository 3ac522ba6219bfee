#include "ui/WindowTimers.h"

namespace zorvat::ui {

void WindowTimers::Attach(HWND window) {
  window_ = window;
  if (!window_) {
    return;
  }
  for (const auto& [id, interval] : waiting_) {
    SetTimer(window_, id, interval, nullptr);
  }
  waiting_.clear();
}

// SetTimer with a running id restarts its count, as arming anew must.
void WindowTimers::Start(SchedulerTimer timer, std::uint32_t milliseconds) {
  if (window_) {
    SetTimer(window_, EntryOf(timer).id, milliseconds, nullptr);
  } else {
    waiting_[EntryOf(timer).id] = milliseconds;
  }
}

void WindowTimers::Stop(SchedulerTimer timer) {
  if (window_) {
    KillTimer(window_, EntryOf(timer).id);
  } else {
    waiting_.erase(EntryOf(timer).id);
  }
}

}  // namespace zorvat::ui
