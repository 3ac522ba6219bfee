#pragma once

#include <optional>
#include <string>

#include "settings/SettingsStore.h"

namespace zorvat {

// What keeps the program from using its settings file, for the one error box of the start.
struct SettingsFileTrouble {
  std::string message;
  // Nothing can be made in the file's folder, so nothing else the program keeps there (the
  // record of what it handled) can be written either; the message says so. One cause, one box.
  bool folderRefusesFiles = false;
};

// The settings file at start. A save that was ended between its last two steps left the file
// only in its temporary file, which is whole: it goes back under the name without a word, since
// the file is the program's own. Then what keeps the program from using the file is told: a file
// that cannot be read (the program runs on its defaults, and writing refuses to start a file
// afresh over it), one that cannot be written, or a folder that takes no file (changes to the
// settings are not kept). Nothing when the file can be used, a missing one included.
std::optional<SettingsFileTrouble> PrepareSettingsFile(const SettingsFile& settings);

// A settings file that is there but cannot be read: the values in use are the defaults, not the
// user's, and nothing that follows from them may change what the user set up.
bool SettingsFileUnreadable(const SettingsFile& settings);

}  // namespace zorvat
