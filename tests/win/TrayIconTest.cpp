#include "ui/TrayIcon.h"

#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "support/ScriptedPrompts.h"
#include "win/WinTestSupport.h"

namespace zorvat::ui {
namespace {

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
  SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, 0, MAKELPARAM(event, 0));
}

TEST(TrayIcon, ALeftDoubleClickGivesOneClickAndOneDoubleClick) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, nullptr, nullptr);
  int clicks = 0;
  int doubleClicks = 0;
  {
    zorvat::testing::ScriptedPrompts prompts;
    TrayIcon tray(prompts, owner);
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

TEST(TrayIcon, TheMenuOpensForTheOwnerBroughtToTheFrontAndANullMessageFollowsIt) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, nullptr, nullptr);
  const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP, 20, 0, 10, 10, nullptr,
                                     nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  // What the front was while the menu opened: test programs running beside this one may take the
  // front afterwards.
  struct Opened {
    int menus = 0;
    HWND front = nullptr;
  } opened;
  SetWindowSubclass(
      owner,
      [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        if (message == WM_INITMENUPOPUP) {
          auto& opened = *reinterpret_cast<Opened*>(data);
          ++opened.menus;
          opened.front = GetForegroundWindow();
        }
        return DefSubclassProc(window, message, wParam, lParam);
      },
      1, reinterpret_cast<DWORD_PTR>(&opened));
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&Open Zorvat");
  {
    zorvat::testing::ScriptedPrompts prompts;
    TrayIcon tray(prompts, owner);
    tray.SetPopupMenu(menu);
    // Closes the menu from inside its own message loop.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, MAKEWPARAM(40, 40),
                 MAKELPARAM(WM_CONTEXTMENU, 0));
    KillTimer(nullptr, timer);
  }
  EXPECT_EQ(opened.menus, 1);
  EXPECT_EQ(opened.front, owner);
  MSG message{};
  EXPECT_TRUE(PeekMessageW(&message, owner, WM_NULL, WM_NULL, PM_REMOVE));
  DestroyMenu(menu);
  DestroyWindow(other);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace zorvat::ui
