#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/DateTime.h"
#include "settings/LiveSettings.h"
#include "settings/ProfileFile.h"

namespace zorvat {

class SettingsFile;

// What the options dialog shows and what the user confirms in it, control by control. A radio
// group or drop-down with nothing chosen is empty. Each field is an option's, and its row in the
// options table (OptionsTable.h) says how it is stored, shown and applied.
struct OptionsValues {
  int mainRefresh = 5000;                // the spin box
  std::optional<int> weekDayChoice = 4;  // index into kWeekDayChoices; empty: typed text
  CivilDate monthDayDate{2000, 1, 1};    // the picker; only its day counts
  std::string defaultLib;
  std::optional<int> defaultLibMode = 0;  // 0 none, 1 last used, 2 this file
  bool autoSave = true;
  bool autoStart = false;
  bool minimize = false;
  bool active = true;
  bool newItemActive = true;
  bool newItemReq = true;
  std::array<std::string, 3> shortCutName;
  std::array<std::string, 3> shortCutFile;
  int alertRepeat = 1;               // the spin box
  std::optional<int> alertMode = 0;  // 0 none, 1 dialog, 2 blinking taskbar
  bool catchUp = true;
  int catchUpDays = 7;  // the spin box
  bool wakeForEvents = false;

  friend bool operator==(const OptionsValues&, const OptionsValues&) = default;
};

struct IntegerRange {
  int low;
  int high;
  constexpr int Clamp(int value) const { return value < low ? low : value > high ? high : value; }
};

// The page in front at the first opening (kOptionsPages).
inline constexpr int kFirstOptionsPage = 4;

// The values the dialog shows, read from the settings file (the dialog's own defaults) and the
// live settings. A stored value outside its range shows clamped; a weekday, start mode or alert
// mode the dialog has no choice for leaves that choice as it was in `previous`.
OptionsValues LoadOptions(const SettingsFile& settings, const LiveSettings& live,
                          const CivilDate& today, const OptionsValues& previous);

// Every write that confirming the dialog makes, in order. A weekday that was typed rather than
// chosen is not written, nor is a radio group with nothing ticked.
std::vector<ProfileWrite> OptionsWrites(const OptionsValues& values);

// The live settings after confirming, the weekday name included.
void ApplyOptions(const OptionsValues& values, LiveSettings& live);

// The name a picked file gives its "Switch to" entry: the file name without its last four
// characters (notepad.exe gives notepad; make gives an empty name).
std::string PickedFileName(std::string_view path);

}  // namespace zorvat
