#include "ui/MissedEventsWindow.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>

#include "OptionsDialogIds.h"
#include "base/Error.h"
#include "base/ErrorBoundary.h"
#include "scheduler/MissedEventRows.h"
#include "shellkit/DpiFunctions.h"
#include "shellkit/WideText.h"
#include "ui/Dpi.h"
#include "ui/Fonts.h"
#include "ui/KeyboardRoute.h"
#include "ui/ListColumns.h"
#include "ui/WindowText.h"

namespace zorvat::ui {

MissedEventsWindow::MissedEventsWindow(HWND owner, ModalGate& gate, Prompts& prompts,
                                       const RegionalFormats& formats, Source source)
    : owner_(owner),
      gate_(gate),
      prompts_(prompts),
      formats_(formats),
      source_(std::move(source)) {}

MissedEventsWindow::~MissedEventsWindow() {
  if (dialog_) {
    SetWindowLongPtrW(dialog_, DWLP_USER, 0);
    DestroyWindow(dialog_);
  }
}

HWND MissedEventsWindow::List() const {
  return dialog_ ? GetDlgItem(dialog_, IDC_MISSED_LIST) : nullptr;
}

void MissedEventsWindow::ShowMissed() {
  if (!dialog_) {
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MISSED_EVENTS),
                                 owner_, &Procedure, reinterpret_cast<LPARAM>(this));
    if (!dialog_) {
      throw Error("The window of missed events cannot be shown (error " +
                  std::to_string(GetLastError()) + ")");
    }
    MarkModeless(dialog_);
    shellkit::KeepDialogFromScaling(dialog_);
    dpi_ = createdDpi_ = Dpi::Of(dialog_).Value();
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT place{};
      GetWindowRect(child, &place);
      MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&place), 2);
      createdLayout_.emplace_back(child, place);
    }
    CreateColumns();
  }
  Fill();
  ShowWindow(dialog_, SW_SHOW);
  SetForegroundWindow(dialog_);
}

void MissedEventsWindow::Close() {
  if (!dialog_) {
    return;
  }
  ShowWindow(dialog_, SW_HIDE);
  ListView_DeleteAllItems(List());
  if (source_.clear) {
    source_.clear();
  }
}

void MissedEventsWindow::CreateColumns() {
  const HWND list = List();
  ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT unit{0, 0, 4, 8};  // dialog units to pixels, as the template is laid out
  MapDialogRect(dialog_, &unit);
  AddListColumns(list, MissedEventColumns(), [&unit](int width) { return width * unit.right / 6; });
}

void MissedEventsWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const int old = dpi_;
  dpi_ = dpi;
  const HWND list = List();
  const HWND header = ListView_GetHeader(list);
  for (int column = 0; column < Header_GetItemCount(header); ++column) {
    ListView_SetColumnWidth(list, column, MulDiv(ListView_GetColumnWidth(list, column), dpi, old));
  }
  // From the template's font, not the last one, so that rounding does not add up.
  shellkit::Font font = MakeFontVariant(
      reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0)), dpi, createdDpi_);
  for (const auto& [control, place] : createdLayout_) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    const auto scaled = [&](LONG length) { return MulDiv(length, dpi, createdDpi_); };
    SetWindowPos(control, nullptr, scaled(place.left), scaled(place.top),
                 scaled(place.right) - scaled(place.left), scaled(place.bottom) - scaled(place.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  font_ = std::move(font);
  SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(dialog_, nullptr, TRUE);
}

void MissedEventsWindow::Fill() {
  const HWND list = List();
  const int selected = SelectedRow();
  ListView_DeleteAllItems(list);
  const MissedEvents* missed = source_.missed ? source_.missed() : nullptr;
  if (!missed) {
    return;
  }
  int index = 0;
  for (const MissedEventRow& row : MissedEventRows(*missed, formats_)) {
    LVITEMW item{};
    item.iItem = index;
    ListView_InsertItem(list, &item);
    SetRowTexts(list, index, row, MissedEventColumns());
    ++index;
  }
  const int focus = selected >= 0 && selected < index ? selected : 0;
  if (index > 0) {
    ListView_SetItemState(list, focus, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  FollowSelection();
}

int MissedEventsWindow::SelectedRow() const {
  const HWND list = List();
  return list ? ListView_GetNextItem(list, -1, LVNI_SELECTED) : -1;
}

// The button says what it does for the selected row: play an alert, run a task not run yet.
void MissedEventsWindow::FollowSelection() {
  const int row = SelectedRow();
  const MissedEvents* missed = source_.missed ? source_.missed() : nullptr;
  std::optional<std::string> text;
  if (missed && row >= 0 && static_cast<std::size_t>(row) < missed->Rows().size()) {
    text = RunLateButtonText(missed->Rows()[static_cast<std::size_t>(row)]);
  }
  const HWND button = GetDlgItem(dialog_, IDC_MISSED_RUN);
  SetText(button, "&" + text.value_or("Run"));
  EnableWindow(button, text ? TRUE : FALSE);
}

// While another box or dialog is open the click only brings that one to the front: a task's
// question would otherwise open beside it, and the command below that box go on meanwhile.
void MissedEventsWindow::OnRun() {
  const int row = SelectedRow();
  if (row < 0 || !source_.runLate) {
    return;
  }
  if (!gate_.Pass([&] { source_.runLate(static_cast<std::size_t>(row)); })) {
    return;
  }
  if (dialog_ && IsWindowVisible(dialog_)) {
    Fill();
  }
}

INT_PTR CALLBACK MissedEventsWindow::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                               LPARAM lParam) noexcept {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    reinterpret_cast<MissedEventsWindow*>(lParam)->dialog_ = dialog;
  }
  auto* self = reinterpret_cast<MissedEventsWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) {
    return FALSE;
  }
  INT_PTR result = TRUE;
  RunAtEntryPoint(&self->prompts_, [&] { result = self->HandleMessage(message, wParam, lParam); });
  return result;
}

INT_PTR MissedEventsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_MISSED_RUN) {
        OnRun();
      } else if (LOWORD(wParam) == IDCANCEL) {
        Close();
      }
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom == IDC_MISSED_LIST && header.code == LVN_ITEMCHANGED) {
        FollowSelection();
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace zorvat::ui
