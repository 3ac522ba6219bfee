#include "ui/TrayIcon.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "win/VirtualDesktop.h"
#include "win/WinTestSupport.h"

namespace zorvat::ui {
namespace {

using zorvat::testing::VirtualDesktop;
using zorvat::testing::WaitFor;

TEST(TrayTipText, CutsToTheRecordsTipFieldWithoutSplittingASurrogatePair) {
  const std::string smiley = "\xF0\x9F\x98\x80";  // U+1F600, two UTF-16 units
  const struct {
    std::string hint;
    std::wstring tip;
  } cases[] = {
      {"Brumsel! Zorvat (active)", L"Brumsel! Zorvat (active)"},
      {std::string(200, 'a'), std::wstring(127, L'a')},
      // Two UTF-8 bytes each, one UTF-16 unit each: cut by units, not bytes.
      {[] {
         std::string umlauts;
         for (int i = 0; i < 130; ++i)
           umlauts += "\xC3\xA4";
         return umlauts;
       }(),
       std::wstring(127, L'\u00E4')},
      {std::string(125, 'a') + smiley, std::wstring(125, L'a') + L"\U0001F600"},
      {std::string(126, 'a') + smiley, std::wstring(126, L'a')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrayTipText(c.hint), c.tip) << c.hint.size();
  }
}

void SendNotification(const TrayIcon& tray, UINT event) {
  SendMessageW(tray.Window(), TrayIcon::kCallbackMessage, 0, MAKELPARAM(event, 0));
}

TEST(TrayIcon, ALeftDoubleClickGivesOneClickAndOneDoubleClick) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, nullptr, nullptr);
  int clicks = 0;
  int doubleClicks = 0;
  {
    TrayIcon tray(owner);
    tray.SetOnClick([&] { ++clicks; });
    for (const UINT event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
      SendNotification(tray, event);
    }
    // Without a double-click callback both releases are clicks.
    EXPECT_EQ(clicks, 2);

    tray.SetOnDoubleClick([&] { ++doubleClicks; });
    clicks = 0;
    for (const UINT event :
         {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE}) {
      SendNotification(tray, event);
    }
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubleClicks, 1);
  }
  DestroyWindow(owner);
}

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
      TrayIcon tray(owner);
      window = tray.Window();
      tray.SetHint("Brumsel! Zorvat (aktiv)");
      tray.SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
      EXPECT_FALSE(InTray(tray.Window()));
      tray.SetVisible(true);
      ASSERT_TRUE(InTray(tray.Window()));

      DropFromTray(tray.Window());
      ASSERT_FALSE(InTray(tray.Window()));
      PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
      EXPECT_TRUE(WaitFor([&] { return InTray(tray.Window()); }, 5000));

      DropFromTray(tray.Window());
      tray.SetHint("Brumsel! Zorvat (active)");
      EXPECT_TRUE(InTray(tray.Window()));

      tray.SetVisible(false);
      EXPECT_FALSE(InTray(tray.Window()));
      tray.SetVisible(true);
      EXPECT_TRUE(InTray(tray.Window()));
    }
    // Destroyed while shown: the tray lets the icon go.
    EXPECT_FALSE(InTray(window));
    DestroyWindow(owner);
  });
}

}  // namespace
}  // namespace zorvat::ui
