#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "OptionsDialogIds.h"
#include "base/DateTime.h"
#include "base/ModalGate.h"
#include "events/EventRecord.h"
#include "shellkit/WideText.h"
#include "support/ScriptedPrompts.h"
#include "ui/KeyboardRoute.h"
#include "ui/MissedEventsWindow.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

std::string Cell(HWND list, int row, int column) {
  wchar_t text[256] = {};
  ListView_GetItemText(list, row, column, text, 256);
  return Narrow(text);
}

void Select(HWND list, int row) {
  ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// Keys reach the window as the program's message loop routes them.
void Key(HWND focus, WPARAM key) {
  MSG message{focus, WM_KEYDOWN, key, 0, 0, {}};
  ASSERT_TRUE(RouteKeys(message, nullptr, nullptr));
  MSG pending{};
  while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageW(&pending);
  }
}

TEST(MissedEventsWindow, ListsTheRowsRunsTheSelectedOneAndClosesWithEscape) {
  testing::ScriptedPrompts prompts;
  MissedEvents missed;
  const DateTime at = EncodeDateTime({2026, 12, 7}, {7, 15, 0, 0});
  missed.Add(EventKind::Daily, {at, kCmdCopyFile, "a.txt", "b.txt", false});
  missed.Add(EventKind::Monthly, {at, kCmdLogOff, "", "", false});
  std::vector<std::size_t> ran;
  int clears = 0;
  int broughtToFront = 0;
  ModalGate gate;
  gate.Attach({{}, [&] { ++broughtToFront; }, {}});
  const RegionalFormats formats = RegionalFormats::EnUs();
  MissedEventsWindow window(nullptr, gate, prompts, formats,
                            {[&] { return &missed; },
                             [&](std::size_t row) {
                               EXPECT_TRUE(gate.Open());  // its question would be a spell
                               ran.push_back(row);
                               return true;
                             },
                             [&] { ++clears; }});
  window.ShowMissed();
  const HWND list = window.List();
  const HWND run = GetDlgItem(window.Handle(), IDC_MISSED_RUN);
  ASSERT_EQ(ListView_GetItemCount(list), 2);
  EXPECT_EQ(Cell(list, 0, 0), "12/7/2026 7:15:00 AM");
  EXPECT_EQ(Cell(list, 1, 2), "Log off user");
  EXPECT_EQ(Cell(list, 1, 4), "Cannot run late");

  Select(list, 1);
  EXPECT_FALSE(IsWindowEnabled(run));
  Select(list, 0);
  EXPECT_TRUE(IsWindowEnabled(run));
  EXPECT_EQ(GetText(run), "&Run");
  {
    // Another box is open: the click only brings it to the front.
    const ModalGate::Spell open(gate);
    SendMessageW(window.Handle(), WM_COMMAND, IDC_MISSED_RUN, 0);
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(broughtToFront, 1);
  }
  SendMessageW(window.Handle(), WM_COMMAND, IDC_MISSED_RUN, 0);
  EXPECT_EQ(ran, (std::vector<std::size_t>{0}));

  Key(list, VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(clears, 1);
  EXPECT_TRUE(prompts.shown.empty());
}

int Width(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds.right - bounds.left;
}

LONG FontHeight(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

// On a monitor of another scale the window takes the place the system suggests, and its text,
// controls and columns grow with the scale.
TEST(MissedEventsWindow, FollowsTheScaleOfItsMonitor) {
  testing::ScriptedPrompts prompts;
  MissedEvents missed;
  missed.Add(EventKind::Daily,
             {EncodeDateTime({2026, 12, 7}, {7, 15, 0, 0}), kCmdCopyFile, "a.txt", "b.txt", false});
  const RegionalFormats formats = RegionalFormats::EnUs();
  ModalGate gate;
  MissedEventsWindow window(nullptr, gate, prompts, formats, {[&] { return &missed; }, {}, {}});
  window.ShowMissed();
  const HWND list = window.List();
  const HWND run = GetDlgItem(window.Handle(), IDC_MISSED_RUN);
  const int dpi = static_cast<int>(GetDpiForWindow(window.Handle()));
  const int runWidth = Width(run);
  const int listWidth = Width(list);
  const int column = ListView_GetColumnWidth(list, 0);
  const LONG textHeight = FontHeight(list);
  const int larger = dpi * 3 / 2;
  RECT suggested{10, 20, 10 + MulDiv(600, larger, 96), 20 + MulDiv(300, larger, 96)};
  SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(larger, larger),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(Width(window.Handle()), suggested.right - suggested.left);
  // NOLINTBEGIN(bugprone-integer-division): whole pixels, as the window computes them
  EXPECT_NEAR(Width(run), runWidth * 3 / 2, 1);
  EXPECT_NEAR(Width(list), listWidth * 3 / 2, 1);
  EXPECT_NEAR(ListView_GetColumnWidth(list, 0), column * 3 / 2, 1);
  EXPECT_NEAR(FontHeight(list), textHeight * 3 / 2, 1);
  // NOLINTEND(bugprone-integer-division)
  EXPECT_EQ(FontHeight(run), FontHeight(list));
}

}  // namespace
}  // namespace zorvat::ui
