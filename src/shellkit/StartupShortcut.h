#pragma once

#include <string>

namespace zorvat::shellkit {

// The shortcut that Windows runs at logon: `title`.lnk in the user's Startup folder
// (GetSystemFolder 19). Wanted: made, or renewed so that it names `target`, with the target's
// folder as working folder. Not wanted: deleted, whether it is there or not. Failures are
// silent, and without a Startup folder nothing happens.
void SetStartupShortcut(bool wanted, const std::string& title, const std::string& target);

}  // namespace zorvat::shellkit
