// The main window's start and end: the autosave and one-shot start timers, the close question,
// and the end of the Windows session.
#include <windows.h>

#include "base/Error.h"
#include "ui/MainWindow.h"
#include "ui/TrayIcon.h"

namespace zorvat::ui {

void MainWindow::StartDocumentTimers() {
  if (setup_.autoSave) {
    SetTimer(Handle(), kAutoSaveTimer, kAutoSaveInterval, nullptr);
  }
  SetTimer(Handle(), kDelayTimer, kDelayInterval, nullptr);
}

void MainWindow::OnDelayTick() {
  // A box of the start may hold the first showing back past this tick. It waits for it, and for
  // the box: else the window came up after all (the start shows it once the box is gone), and
  // the application, taken for minimized, no longer hid it.
  if (!shownOnce_ || gate_.Open()) {
    return;
  }
  KillTimer(Handle(), kDelayTimer);
  if (setup_.minimizeAtStart && setup_.minimizeAtStart()) {
    application_.Minimize();
  }
}

WindowLayout MainWindow::CurrentLayout() const {
  return WindowLayout{leftColumnWidth_, IsZoomed(Handle()) != FALSE};
}

// The "E&xit" items, the close box and Alt+F4 all come here.
void MainWindow::OnExit() {
  OnCloseAsked();
}

void MainWindow::OnCloseAsked() {
  if (!setup_.exitPath || setup_.exitPath->MayClose(CurrentLayout())) {
    CloseForGood();
    return;
  }
  // A save through the question may have named the list: the caption and menus say so at once.
  ShowDocument();
}

// The session may end only when the user agrees, as to any close. A session that ends
// regardless, or an installer that replaces the program, leaves nobody to ask: WM_ENDSESSION
// saves instead.
LRESULT MainWindow::OnQueryEndSession(LPARAM reasons) {
  sessionErrorShown_.reset();
  if ((reasons & (ENDSESSION_CRITICAL | ENDSESSION_CLOSEAPP)) || !setup_.exitPath) {
    return TRUE;
  }
  // A failed write is shown, and must not hold up the session: WM_ENDSESSION saves unasked.
  // The question is a spell of the gate: a tray Exit or a handed-over list waits behind it.
  bool mayEnd = true;
  gate_.Count([&] {
    try {
      mayEnd = setup_.exitPath->MayClose(CurrentLayout());
    } catch (const Error& error) {
      prompts_.ShowError(error.what());
      sessionErrorShown_ = error.what();
    }
  });
  return mayEnd ? TRUE : FALSE;
}

void MainWindow::OnEndSession(bool ending) {
  if (!setup_.exitPath) {
    return;
  }
  if (!ending) {
    setup_.exitPath->SessionGoesOn();
    ShowDocument();  // the close check may have saved the list under a name
    return;
  }
  // A write that fails is shown, once: the close check may have shown the same failure. The
  // program ends all the same: the session is going.
  try {
    setup_.exitPath->SessionEnds(CurrentLayout());
  } catch (const Error& error) {
    if (sessionErrorShown_ != error.what()) {
      prompts_.ShowError(error.what());
    }
  }
  // A box or dialog still open has its command below on the stack, which would go on with the
  // window destroyed under it, and a question it asked would come back unanswered. All that is
  // kept is kept now: the process ends where it stands.
  if (gate_.Open() && setup_.endAtOnce) {
    if (setup_.beforeExit) {
      setup_.beforeExit();
    }
    tray_->SetVisible(false);
    setup_.endAtOnce();
    return;
  }
  CloseForGood();
}

// Resume is told by two messages or none at all: the scheduler's clock test stands alone, these
// only let it look at once.
void MainWindow::OnPowerBroadcast(WPARAM event) {
  if (!setup_.onPower) {
    return;
  }
  if (event == PBT_APMSUSPEND) {
    setup_.onPower(true);
  } else if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) {
    setup_.onPower(false);
  }
}

void MainWindow::CloseForGood() {
  if (setup_.beforeExit) {
    setup_.beforeExit();
  }
  DestroyWindow(Handle());
}

}  // namespace zorvat::ui
