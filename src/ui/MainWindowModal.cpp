// The main window's modal spells. Its dialogs and boxes run message loops of their own, which
// still deliver the tray's commands, the close message and other starts' list files; none of
// these may swap the document an open dialog edits, or destroy the window under it. The gate
// holds them; this window tells it which commands may always run and how to show what is open.
#include <windows.h>

#include <utility>
#include <vector>

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
    HWND owner = nullptr;
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
std::vector<HWND> ModalChain(HWND window) {
  constexpr std::size_t kDeepest = 16;  // boxes over dialogs over dialogs; a loop of owners too
  std::vector<HWND> chain{window};
  while (chain.size() < kDeepest && chain.back() && !IsWindowEnabled(chain.back())) {
    const HWND next = VisibleOwnedWindow(chain.back());
    if (!next) {
      break;
    }
    chain.push_back(next);
  }
  return chain;
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

// Each box over the one it belongs to, the last in front with the focus. Activation alone is not
// enough: the box keeps the focus while the window, shown or raised meanwhile, covers it.
void MainWindow::BringModalToFront() {
  const std::vector<HWND> chain = ModalChain(Handle());
  for (std::size_t i = 1; i < chain.size(); ++i) {
    SetWindowPos(chain[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  SetForegroundWindow(chain.back());
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
