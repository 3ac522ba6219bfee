#pragma once

#include <string>

namespace zorvat {

// The full path of the running program file, UTF-8.
std::string ProgramFilePath();

// The start-up shortcut "Brumsel! Zorvat.lnk" to this program in the user's Startup folder,
// made or deleted as the AutoStart setting says; start-up and the options dialog both use it.
void MaintainStartupShortcut(bool autoStart);

}  // namespace zorvat
