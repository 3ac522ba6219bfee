#include "ui/WaitingTasksWindow.h"

#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "base/Error.h"
#include "scheduler/WaitingTaskRows.h"
#include "shellkit/WideText.h"
#include "ui/Centred.h"
#include "ui/Fonts.h"
#include "ui/KeyboardRoute.h"
#include "ui/ListColumns.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

constexpr int kClientWidth = 475;
constexpr int kClientHeight = 374;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

RECT CentredWindowRect(const Dpi& dpi) {
  RECT bounds{0, 0, dpi(kClientWidth), dpi(kClientHeight)};
  shellkit::AdjustWindowRectForDpi(&bounds, kStyle, FALSE, kExStyle,
                                   static_cast<UINT>(dpi.Value()));
  return CentredOnScreen(bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void AddEmptyRows(HWND list, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    LVITEMW item{};
    item.iItem = ListView_GetItemCount(list);
    ListView_InsertItem(list, &item);
  }
}

// Row i shows rows[i]: texts set in place, rows added as needed.
template <typename Row>
void CopyRows(HWND list, std::span<const Row> rows, std::span<const RowColumn<Row>> columns) {
  const auto count = static_cast<std::size_t>(ListView_GetItemCount(list));
  if (rows.size() > count) {
    AddEmptyRows(list, rows.size() - count);
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SetRowTexts(list, static_cast<int>(i), rows[i], columns);
  }
}

}  // namespace

WaitingTasksWindow::WaitingTasksWindow(HWND owner, ModalGate& gate, Prompts& prompts,
                                       const HotStack& hot, const ExecuteStack& execute,
                                       const RegionalFormats& formats)
    : Window(prompts),
      gate_(gate),
      prompts_(prompts),
      hot_(hot),
      execute_(execute),
      formats_(formats),
      dpi_(Dpi::OfSystem()) {
  Create(L"ZorvatWaitingTasks", kExStyle, L"Waiting tasks", kStyle, CentredWindowRect(dpi_), owner,
         nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  MarkModeless(Handle());
  CreateControls();
}

WaitingTasksWindow::~WaitingTasksWindow() {
  if (Handle()) {
    KillTimer(Handle(), kRefreshTimer);
  }
  Destroy();
}

void WaitingTasksWindow::CreateControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_HOTTRACK, 0, 0,
                          0, 0, Handle(), nullptr, instance, nullptr);
  const std::array<const wchar_t*, 2> pages = {L"Hot Stack", L"Execute Stack"};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(pages[i]);
    TabCtrl_InsertItem(tabs_, static_cast<int>(i), &item);
  }
  for (HWND& list : lists_) {
    list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                           WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                           0, 0, 0, 0, Handle(), nullptr, instance, nullptr);
  }
  // The hot list is hot-tracked with a hand and underlines the row under the mouse.
  const DWORD hotTracking = LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT;
  ListView_SetExtendedListViewStyleEx(lists_[0],
                                      LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | hotTracking,
                                      LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | hotTracking);
  ListView_SetExtendedListViewStyleEx(lists_[1], LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                                      LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  AddListColumns(lists_[0], HotStackColumns(), dpi_);
  AddListColumns(lists_[1], ExecuteStackColumns(), dpi_);
  // Made at its place and moved only when the scale changes: Wine draws an etched rule that was
  // moved two pixels short.
  rule_ = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, dpi_(4),
                          dpi_(340), dpi_(465), dpi_(2), Handle(), nullptr, instance, nullptr);
  okay_ = CreateWindowExW(
      0, L"Button", L"&Okay", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT, 0, 0, 0, 0, Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOkayButton)), instance, nullptr);
  ApplyFontAndLayout();
  ShowPage(0);
}

// Every length at the window's scale, in 96-dpi pixels of the design.
void WaitingTasksWindow::ApplyFontAndLayout() {
  shellkit::Font font = MakeFont(L"MS Shell Dlg", 11, false, dpi_);
  for (const HWND control : {tabs_, lists_[0], lists_[1], okay_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  }
  font_ = std::move(font);
  const auto place = [this](HWND control, int left, int top, int width, int height) {
    SetWindowPos(control, nullptr, dpi_(left), dpi_(top), dpi_(width), dpi_(height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(tabs_, 4, 4, 465, 329);
  RECT page{dpi_(4), dpi_(4), dpi_(4 + 465), dpi_(4 + 329)};
  TabCtrl_AdjustRect(tabs_, FALSE, &page);
  for (const HWND list : lists_) {
    SetWindowPos(list, nullptr, page.left, page.top, page.right - page.left, page.bottom - page.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  place(okay_, 388, 346, 81, 25);
}

void WaitingTasksWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const int old = dpi_.Value();
  dpi_ = Dpi(dpi);
  for (const HWND list : lists_) {
    const HWND header = ListView_GetHeader(list);
    for (int column = 0; column < Header_GetItemCount(header); ++column) {
      ListView_SetColumnWidth(list, column,
                              MulDiv(ListView_GetColumnWidth(list, column), dpi, old));
    }
  }
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(rule_, nullptr, dpi_(4), dpi_(340), dpi_(465), dpi_(2),
               SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyFontAndLayout();
}

void WaitingTasksWindow::Open() {
  if (IsWindowVisible(Handle())) {
    SetForegroundWindow(Handle());
    return;
  }
  AddEmptyRows(lists_[0], HotStack::kSize);
  AddEmptyRows(lists_[1], ExecuteStack::kSize);
  // At once, not only at the first tick: empty rows would say that nothing waits.
  Refresh();
  SetTimer(Handle(), kRefreshTimer, kRefreshInterval, nullptr);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void WaitingTasksWindow::Close() {
  KillTimer(Handle(), kRefreshTimer);
  ShowWindow(Handle(), SW_HIDE);
  for (HWND list : lists_) {
    ListView_DeleteAllItems(list);
  }
}

void WaitingTasksWindow::Refresh() {
  const auto hot = HotStackRows(hot_, formats_);
  CopyRows<HotStackRow>(lists_[0], hot, HotStackColumns());
  const auto execute = ExecuteStackRows(execute_);
  CopyRows<ExecuteStackRow>(lists_[1], execute, ExecuteStackColumns());
  const std::string note = note_ ? note_() : std::string();
  SetText(Handle(), note.empty() ? "Waiting tasks" : "Waiting tasks - " + note);
}

void WaitingTasksWindow::ShowPage(int page) {
  TabCtrl_SetCurSel(tabs_, page);
  ShowWindow(lists_[0], page == 0 ? SW_SHOW : SW_HIDE);
  ShowWindow(lists_[1], page == 1 ? SW_SHOW : SW_HIDE);
}

// The answer comes from the entry as it is now, not from the row, which may be 2.5 s old.
void WaitingTasksWindow::OnHotListClick() {
  const int row = ListView_GetNextItem(lists_[0], -1, LVNI_SELECTED);
  if (row >= 0 && static_cast<std::size_t>(row) < HotStack::kSize) {
    gate_.Pass([&] {
      prompts_.Show(std::string(kApplicationTitle),
                    HotEntryWaitingText(hot_, static_cast<std::size_t>(row)), PromptIcon::None,
                    PromptButtons::Ok);
    });
  }
}

LRESULT WaitingTasksWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kRefreshTimer) {
        Refresh();
      }
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kOkayButton || LOWORD(wParam) == IDCANCEL) {
        Close();
      }
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
        ShowPage(TabCtrl_GetCurSel(tabs_));
      } else if (header.hwndFrom == lists_[0] && header.code == NM_CLICK) {
        OnHotListClick();
      }
      return 0;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == okay_) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      return Default(message, wParam, lParam);
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace zorvat::ui
