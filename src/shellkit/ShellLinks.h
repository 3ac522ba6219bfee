#pragma once

#include <string>

namespace zorvat::shellkit {

// Saves a shortcut file (.lnk) to the target with the given working folder, through the shell's
// link object; false when the shell refuses.
bool CreateShortcut(const std::string& linkPath, const std::string& target,
                    const std::string& workingFolder);

}  // namespace zorvat::shellkit
