#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/ScriptedPrompts.h"
#include "ui/TrayIcon.h"
#include "win/VirtualDesktop.h"
#include "win/WinTestSupport.h"

namespace zorvat::ui {
namespace {

using zorvat::testing::VirtualDesktop;
using zorvat::testing::WaitFor;

// Whether the tray holds an icon for `window`: a modify with nothing to change fails otherwise.
bool InTray(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = window;
  return Shell_NotifyIconW(NIM_MODIFY, &record);
}

// What Explorer's restart does to an icon: the new tray does not know it.
void DropFromTray(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = window;
  Shell_NotifyIconW(NIM_DELETE, &record);
}

class TrayIconInTrayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!zorvat::testing::RunningUnderWine()) {
      GTEST_SKIP() << "needs the tray of a Wine virtual desktop";
    }
    desktop = VirtualDesktop::Start(L"ZorvatTray" + std::to_wstring(GetCurrentProcessId()));
    if (!desktop) {
      GTEST_SKIP() << "Wine did not start a virtual desktop with a taskbar";
    }
  }
  std::unique_ptr<VirtualDesktop> desktop;
};

TEST_F(TrayIconInTrayTest, TheIconComesBackWhenTheTaskbarIsCreatedAgainOrTheHintChanges) {
  desktop->Run([] {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    HWND window = nullptr;
    {
      zorvat::testing::ScriptedPrompts prompts;
      TrayIcon tray(prompts, owner);
      window = tray.Handle();
      tray.SetHint("Brumsel! Zorvat (aktiv)");
      tray.SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
      EXPECT_FALSE(InTray(tray.Handle()));
      tray.SetVisible(true);
      ASSERT_TRUE(InTray(tray.Handle()));

      DropFromTray(tray.Handle());
      ASSERT_FALSE(InTray(tray.Handle()));
      PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
      EXPECT_TRUE(WaitFor([&] { return InTray(tray.Handle()); }, 5000));

      DropFromTray(tray.Handle());
      tray.SetHint("Brumsel! Zorvat (active)");
      EXPECT_TRUE(InTray(tray.Handle()));

      tray.SetVisible(false);
      EXPECT_FALSE(InTray(tray.Handle()));
      tray.SetVisible(true);
      EXPECT_TRUE(InTray(tray.Handle()));
    }
    // Destroyed while shown: the tray lets the icon go.
    EXPECT_FALSE(InTray(window));
    DestroyWindow(owner);
  });
}

}  // namespace
}  // namespace zorvat::ui
