// An alert's blink through the real Shell adapter, on the taskbar of a private Wine desktop.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ShellKitShell.h"
#include "scheduler/AlertPlayback.h"
#include "support/ScriptedPrompts.h"
#include "win/VirtualDesktop.h"
#include "win/WinTestSupport.h"

namespace zorvat {
namespace {

class SilentPlayer final : public SoundPlayer {
 public:
  void Open(const std::string&) override { open_ = true; }
  bool IsOpen() const override { return open_; }
  void PlayFromStart() override {}
  std::int64_t Position() override { return 0; }
  std::int64_t Length() override { return 1000; }
  void Close() override { open_ = false; }

 private:
  bool open_ = false;
};

class BlinkTimer final : public SchedulerTimers {
 public:
  void Start(SchedulerTimer timer, std::uint32_t) override {
    if (timer == SchedulerTimer::Blink) {
      running = true;
    }
  }
  void Stop(SchedulerTimer timer) override {
    if (timer == SchedulerTimer::Blink) {
      running = false;
    }
  }
  bool running = false;
};

// The blink hides the taskbar in its middle step; a swapped show flag in the adapter would leave
// the user without a taskbar when it ends.
TEST(BlinkTaskbar, TheTaskbarIsShownAgainWhenTheBlinkEnds) {
  if (!testing::RunningUnderWine()) {
    GTEST_SKIP() << "the taskbar is switched in a Wine virtual desktop only";
  }
  const auto desktop =
      testing::VirtualDesktop::Start(L"ZorvatBlink" + std::to_wstring(GetCurrentProcessId()));
  if (!desktop) {
    GTEST_SKIP() << "Wine did not start a virtual desktop with a taskbar";
  }
  desktop->Run([] {
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    ASSERT_TRUE(taskbar);
    ShellKitShell shell;
    SilentPlayer sound;
    testing::ScriptedPrompts prompts;
    BlinkTimer timers;
    const LiveSettings live;
    AlertPlayback alert(live, {sound, shell, prompts, timers, [] { return 2; }});
    alert.Start("ding.wav");
    ASSERT_TRUE(timers.running);
    std::vector<bool> visible;
    while (timers.running && visible.size() < 10) {
      alert.OnBlinkTick();
      visible.push_back(IsWindowVisible(taskbar) != FALSE);
    }
    EXPECT_EQ(visible, (std::vector<bool>{true, false, true, true}));
  });
}

}  // namespace
}  // namespace zorvat
