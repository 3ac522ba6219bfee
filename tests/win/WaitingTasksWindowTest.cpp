#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "base/ModalGate.h"
#include "shellkit/DpiFunctions.h"
#include "shellkit/WideText.h"
#include "support/ScriptedPrompts.h"
#include "ui/WaitingTasksWindow.h"

namespace zorvat::ui {
namespace {

std::string Cell(HWND list, int row, int column) {
  wchar_t text[256] = {};
  ListView_GetItemText(list, row, column, text, 256);
  return Narrow(text);
}

void ClickRow(const WaitingTasksWindow& window, int row) {
  ListView_SetItemState(window.HotList(), row, LVIS_SELECTED, LVIS_SELECTED);
  NMITEMACTIVATE click{};
  click.hdr = {window.HotList(), 0, static_cast<UINT>(NM_CLICK)};
  click.iItem = row;
  SendMessageW(window.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
}

TEST(WaitingTasksWindow, RowsBeforeAndAfterATaskIsHandedOnAndFreshAtEveryOpening) {
  testing::ScriptedPrompts prompts;
  HotStack hot;
  ExecuteStack execute;
  ModalGate gate;
  RegionalFormats formats = RegionalFormats::EnUs();
  WaitingTasksWindow window(nullptr, gate, prompts, hot, execute, formats);
  prompts.onShow = [&](const auto&) { EXPECT_TRUE(gate.Open()); };  // its box opens in the gate
  const Task task{EncodeDateTime({2026, 12, 7}, {7, 15, 0, 0}), 1, "C:\\wake.wav", "", false};
  ASSERT_EQ(hot.Add(task, task.time - 0.0005), HotStack::AddResult::Filed);

  window.Open();
  EXPECT_EQ(ListView_GetItemCount(window.HotList()), 60);
  EXPECT_EQ(ListView_GetItemCount(window.ExecuteList()), 6);
  EXPECT_EQ(Cell(window.HotList(), 0, 1), "7:15:00 AM");
  formats = RegionalFormats::DeDe();  // the user's formats changed: the next rows follow
  SendMessageW(window.Handle(), WM_TIMER, WaitingTasksWindow::kRefreshTimer, 0);
  EXPECT_EQ(Cell(window.HotList(), 0, 1), "07:15:00");
  EXPECT_EQ(Cell(window.HotList(), 59, 0), "#59");
  EXPECT_EQ(Cell(window.ExecuteList(), 0, 1), "255");
  ClickRow(window, 0);

  hot.Release(0, task.time);
  ASSERT_TRUE(execute.Add(task));
  EXPECT_EQ(Cell(window.HotList(), 0, 3), "C:\\wake.wav");  // until the next tick
  ClickRow(window, 0);                                      // the table itself answers
  SendMessageW(window.Handle(), WM_TIMER, WaitingTasksWindow::kRefreshTimer, 0);
  EXPECT_EQ(Cell(window.HotList(), 0, 1), "");
  EXPECT_EQ(Cell(window.ExecuteList(), 0, 2), "C:\\wake.wav");
  EXPECT_EQ(Cell(window.ExecuteList(), 0, 4), "Doh!");
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].text, "Waiting: Yes");
  EXPECT_EQ(prompts.shown[0].title, "Brumsel! Zorvat");
  EXPECT_EQ(prompts.shown[1].text, "Waiting: Doh!");

  SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(ListView_GetItemCount(window.HotList()), 0);
  window.Open();
  EXPECT_EQ(ListView_GetItemCount(window.HotList()), 60);
  EXPECT_EQ(ListView_GetItemCount(window.ExecuteList()), 6);
  window.Close();
}

int Width(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds.right - bounds.left;
}

// Moved to a monitor of another scale, the window takes the size the system suggests and lays
// itself out again at the new scale: controls, font and columns.
TEST(WaitingTasksWindow, FollowsTheScaleOfItsMonitor) {
  testing::ScriptedPrompts prompts;
  ModalGate gate;
  const HotStack hot;
  const ExecuteStack execute;
  const RegionalFormats formats = RegionalFormats::EnUs();
  WaitingTasksWindow window(nullptr, gate, prompts, hot, execute, formats);
  const HWND okay = GetDlgItem(window.Handle(), WaitingTasksWindow::kOkayButton);
  const int dpi = static_cast<int>(shellkit::DpiForWindow(window.Handle()));
  const int okayWidth = Width(okay);
  const int column = ListView_GetColumnWidth(window.HotList(), 1);
  const int larger = dpi * 3 / 2;
  RECT suggested{10, 20, 10 + MulDiv(500, larger, 96), 20 + MulDiv(420, larger, 96)};
  SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(larger, larger),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(Width(window.Handle()), suggested.right - suggested.left);
  EXPECT_EQ(Width(okay), MulDiv(81, larger, 96));
  // NOLINTBEGIN(bugprone-integer-division): whole pixels, as the window computes them
  EXPECT_NEAR(okayWidth * 3 / 2, Width(okay), 1);
  EXPECT_NEAR(ListView_GetColumnWidth(window.HotList(), 1), column * 3 / 2, 1);
  // NOLINTEND(bugprone-integer-division)
}

}  // namespace
}  // namespace zorvat::ui
