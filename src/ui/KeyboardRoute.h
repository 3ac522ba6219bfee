#pragma once

#include <windows.h>

namespace zorvat::ui {

// Keys belong to the window they are typed in. The main window and its children get the
// accelerators, then the dialog keys (Tab and the arrows between its controls); a window marked
// modeless gets only its own dialog keys (Tab, Esc, Enter), so a shortcut typed there never acts
// on the main window. True when the message was used up and is not to be dispatched.
bool RouteKeys(const MSG& message, HWND main, HACCEL shortcuts);

// A top-level window whose keys go through IsDialogMessage like a dialog's.
void MarkModeless(HWND window);

}  // namespace zorvat::ui
