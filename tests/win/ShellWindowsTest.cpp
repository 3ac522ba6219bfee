#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "shellkit/ShellWindows.h"
#include "win/VirtualDesktop.h"
#include "win/WinTestSupport.h"

namespace zorvat::shellkit {
namespace {

using zorvat::testing::ScopedRegistryValue;
using zorvat::testing::VirtualDesktop;

std::intptr_t Value(HWND window) {
  return reinterpret_cast<std::intptr_t>(window);
}

TEST(ShellWindowControl, Selector8HidesTheWindowForFlag1AndShowsItOtherwise) {
  const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Zorvat test", WS_POPUP, 0, 0,
                                      50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);

  EXPECT_EQ(ShellWindowControl(8, 1, Value(window)), 1);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(ShellWindowControl(8, 1, Value(window)), 0);
  EXPECT_EQ(ShellWindowControl(8, 0, Value(window)), 0);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(ShellWindowControl(8, 2, Value(window)), 1);
  EXPECT_TRUE(IsWindowVisible(window));
  DestroyWindow(window);

  EXPECT_EQ(ShellWindowControl(8, 1, Value(window)), 0);
}

TEST(ShellWindowControl, MinimizedMetricsAreReadAndStored) {
  MINIMIZEDMETRICS original{};
  original.cbSize = sizeof(original);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETMINIMIZEDMETRICS, sizeof(original), &original, 0));
  const int width = original.iWidth + 12;
  const int gap = original.iHorzGap + 3;

  EXPECT_EQ(ShellWindowControl(2, 0, width), 1);
  EXPECT_EQ(ShellWindowControl(3, 0, gap), 1);
  EXPECT_EQ(ShellWindowControl(4, 0, 0), width);
  EXPECT_EQ(ShellWindowControl(5, 0, 0), gap);
  MINIMIZEDMETRICS now{};
  now.cbSize = sizeof(now);
  SystemParametersInfoW(SPI_GETMINIMIZEDMETRICS, sizeof(now), &now, 0);
  EXPECT_EQ(now.iVertGap, gap);
  EXPECT_EQ(now.iArrange, original.iArrange);

  SystemParametersInfoW(SPI_SETMINIMIZEDMETRICS, sizeof(original), &original, SPIF_UPDATEINIFILE);
}

TEST(ShellWindowControl, Selector6StoresDragFullWindowsAsTheControlPanelDoes) {
  ScopedRegistryValue drag(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"DragFullWindows");
  EXPECT_EQ(ShellWindowControl(6, 1, 0), 1);
  EXPECT_EQ(drag.Text(), L"1");
  EXPECT_EQ(ShellWindowControl(6, 0, 0), 1);
  EXPECT_EQ(drag.Text(), L"0");
}

TEST(ShellWindowControl, UnknownSelectorsGiveZero) {
  for (const std::uint8_t selector : {0, 7, 11, 255}) {
    EXPECT_EQ(ShellWindowControl(selector, 1, 1), 0) << int{selector};
  }
}

// The taskbar of a private Wine desktop, so that no one's real taskbar is touched.
class TaskbarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!zorvat::testing::RunningUnderWine()) {
      GTEST_SKIP() << "the taskbar switches run in a Wine virtual desktop only";
    }
    desktop = VirtualDesktop::Start(L"ZorvatTest" + std::to_wstring(GetCurrentProcessId()));
    if (!desktop) {
      GTEST_SKIP() << "Wine did not start a virtual desktop with a taskbar";
    }
  }
  std::unique_ptr<VirtualDesktop> desktop;
};

TEST_F(TaskbarTest, Selector1ShowsAndHidesTheTaskbarAndTellsWhetherItWasVisible) {
  desktop->Run([] {
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    ASSERT_TRUE(taskbar);
    ShellWindowControl(1, 1, 0);
    EXPECT_TRUE(IsWindowVisible(taskbar));
    EXPECT_EQ(ShellWindowControl(1, 0, 0), 1);
    EXPECT_FALSE(IsWindowVisible(taskbar));
    EXPECT_EQ(ShellWindowControl(1, 0, 0), 0);
    EXPECT_EQ(ShellWindowControl(1, 1, 0), 0);
    EXPECT_TRUE(IsWindowVisible(taskbar));
    EXPECT_EQ(ShellWindowControl(1, 5, 0), 1);
    EXPECT_TRUE(IsWindowVisible(taskbar));
  });
}

TEST_F(TaskbarTest, Selectors9And10HideAndDisableTheStartButton) {
  desktop->Run([] {
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    HWND button = nullptr;
    // Wine adds the start button a moment after the taskbar.
    zorvat::testing::WaitFor(
        [&] { return (button = FindWindowExW(taskbar, nullptr, L"Button", nullptr)) != nullptr; },
        5000);
    if (!button) {
      GTEST_SKIP() << "this taskbar has no start button";
    }
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ShellWindowControl(9, 1, 0), 0);
    EXPECT_EQ(GetWindowRgn(button, region), NULLREGION);
    EXPECT_EQ(ShellWindowControl(9, 0, 0), 0);
    EXPECT_EQ(GetWindowRgn(button, region), ERROR);
    DeleteObject(region);

    EXPECT_EQ(ShellWindowControl(10, 1, 0), 0);
    EXPECT_FALSE(IsWindowEnabled(button));
    EXPECT_EQ(ShellWindowControl(10, 0, 0), 0);
    EXPECT_TRUE(IsWindowEnabled(button));
  });
}

}  // namespace
}  // namespace zorvat::shellkit
