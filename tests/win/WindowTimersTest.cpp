#include "ui/WindowTimers.h"

#include <gtest/gtest.h>

#include "scheduler/SchedulerTimerTable.h"

namespace zorvat::ui {
namespace {

// The scheduler may start its timers before the window exists: they wait and start with it,
// unless stopped meanwhile.
TEST(WindowTimers, TimersStartedBeforeTheWindowStartWithIt) {
  WindowTimers timers;
  timers.Start(SchedulerTimer::Scan, 5000);
  timers.Start(SchedulerTimer::Hot, 500);
  timers.Stop(SchedulerTimer::Hot);
  const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      nullptr, nullptr);
  timers.Attach(window);
  // KillTimer finds only a running timer.
  EXPECT_TRUE(KillTimer(window, EntryOf(SchedulerTimer::Scan).id));
  EXPECT_FALSE(KillTimer(window, EntryOf(SchedulerTimer::Hot).id));
  timers.Attach(nullptr);
  DestroyWindow(window);
}

}  // namespace
}  // namespace zorvat::ui
