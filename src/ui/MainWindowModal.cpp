// The main window's modal spells. Its dialogs and boxes run message loops of their own, which
// still deliver the tray's commands, the close message and other starts' list files; none of
// these may swap the document an open dialog edits, or destroy the window under it.
#include <windows.h>

#include <utility>

#include "base/ErrorBoundary.h"
#include "ui/MainWindow.h"
#include "ui/WindowIds.h"

namespace zorvat::ui {

void MainWindow::RunModal(const std::function<void()>& step) {
  struct Spell {
    int& count;
    explicit Spell(int& depth) : count(depth) { ++count; }
    ~Spell() { --count; }
  };
  {
    const Spell spell(modalDepth_);
    RunShowingErrors(Errors(), step);
  }
  if (!ModalOpen() && !handedOver_.empty() && Handle()) {
    PostMessageW(Handle(), kOpenHandedOver, 0, 0);
  }
}

void MainWindow::BringModalToFront() {
  SetForegroundWindow(GetLastActivePopup(Handle()));
}

// Restoring the window and the active switch open nothing and may always run.
void MainWindow::OnCommandMessage(int id, int code, HWND control) {
  if (id == IDC_OPEN_FROM_TRAY || id == IDC_ACTIVE_ITEM) {
    OnCommand(id, code, control);
  } else if (ModalOpen()) {
    BringModalToFront();
  } else {
    RunModal([&] { OnCommand(id, code, control); });
  }
}

void MainWindow::OnCloseMessage() {
  if (ModalOpen()) {
    BringModalToFront();
  } else {
    RunModal([this] { OnCloseAsked(); });
  }
}

void MainWindow::OnAnotherStart(const std::string& listFile) {
  BringToFront();
  if (listFile.empty()) {
    return;
  }
  handedOver_.push_back(listFile);
  if (!ModalOpen()) {
    OpenHandedOver();
  }
}

}  // namespace zorvat::ui
