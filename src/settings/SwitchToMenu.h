#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace zorvat {

class SettingsFile;

// The three user entries of the "Switch to" menu, and the separator before them.
struct SwitchToMenu {
  struct Entry {
    std::string caption;
    bool visible = false;
    friend bool operator==(const Entry&, const Entry&) = default;
  };
  std::array<Entry, 3> entries;
  bool separatorVisible = false;
  friend bool operator==(const SwitchToMenu&, const SwitchToMenu&) = default;
};

// An entry shows when it has a name and its file exists (a folder does not count); the
// separator shows when an entry does. `isFile` tells whether a path names an existing file.
SwitchToMenu ReadSwitchToMenu(const SettingsFile& settings,
                              const std::function<bool(const std::string&)>& isFile);

// The file an entry starts, read afresh at the click.
std::string SwitchToFile(const SettingsFile& settings, int entry);

// The program the "Explorer" entry starts.
inline constexpr std::string_view kExplorerProgram = "explorer";

}  // namespace zorvat
