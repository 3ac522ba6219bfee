// The main window's modal spells. Its dialogs and boxes run message loops of their own, which
// still deliver the tray's commands, the close message and other starts' list files; none of
// these may swap the document an open dialog edits, or destroy the window under it. The gate
// holds them; this window tells it which commands may always run and how to show what is open.
#include <windows.h>

#include <utility>

#include "base/ErrorBoundary.h"
#include "ui/MainWindow.h"
#include "ui/WindowIds.h"

namespace zorvat::ui {
namespace {

// Restoring the window and the active switch open nothing and may always run.
constexpr int kCommandsWhileModal[] = {IDC_OPEN_FROM_TRAY, IDC_ACTIVE_ITEM};

// A visible window of this thread that `owner` owns, an enabled one first; none: null.
HWND VisibleOwnedWindow(HWND owner) {
  struct Search {
    HWND owner;
    HWND found = nullptr;
  } search{owner};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) noexcept -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (GetWindow(window, GW_OWNER) != s.owner || !IsWindowVisible(window)) {
          return TRUE;
        }
        s.found = window;
        return IsWindowEnabled(window) ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

// A box or dialog disables the window it belongs to, and a box of a dialog the dialog: the
// chain of disabled owners ends at what the user can answer. The last active pop-up is no guide:
// bringing the window itself forward (the tray does, before its menu) makes it its own.
HWND ModalTop(HWND window) {
  constexpr int kDeepest = 16;  // boxes over dialogs over dialogs; a loop of owners ends too
  HWND top = window;
  for (int depth = 0; depth < kDeepest && top && !IsWindowEnabled(top); ++depth) {
    const HWND next = VisibleOwnedWindow(top);
    if (!next) {
      break;
    }
    top = next;
  }
  return top;
}

void MainWindow::AttachGate() {
  gate_.Attach({kCommandsWhileModal, [this] { BringModalToFront(); },
                [this] { PostMessageW(Handle(), kOpenHandedOver, 0, 0); }});
}

void MainWindow::RunModal(const std::function<void()>& step) {
  gate_.Count([&] { RunShowingErrors(Errors(), step); });
}

void MainWindow::RunWhenNoneOpen(const std::function<void()>& step) {
  gate_.Pass([&] { RunShowingErrors(Errors(), step); });
}

void MainWindow::BringModalToFront() {
  SetForegroundWindow(ModalTop(Handle()));
}

void MainWindow::OnCommandMessage(int id, int code, HWND control) {
  gate_.Command(id, [&] { RunShowingErrors(Errors(), [&] { OnCommand(id, code, control); }); });
}

void MainWindow::OnCloseMessage() {
  RunWhenNoneOpen([this] { OnCloseAsked(); });
}

void MainWindow::OnAnotherStart(const std::string& listFile) {
  if (!Handle()) {
    return;  // closed: the program is ending
  }
  BringToFront();
  if (listFile.empty()) {
    return;
  }
  gate_.HandOver(listFile);
  OpenHandedOver();
}

}  // namespace zorvat::ui
