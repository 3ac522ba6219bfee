#pragma once

#include <cstdint>

namespace zorvat {

class ListDocument;
class Prompts;
class SettingsFile;

// What the main window keeps of its layout across starts.
struct WindowLayout {
  std::int32_t leftColumnWidth = 185;
  bool maximized = false;
};

// The way out of the program: the close question of the main window (its menu items, its close
// box, the end of the session) and the end of the session when nobody can be asked.
class ExitPath {
 public:
  ExitPath(Prompts& prompts, ListDocument& document, SettingsFile& settings)
      : prompts_(prompts), document_(document), settings_(settings) {}

  // A changed document is offered for saving first (Yes saves as Save does, and a save that is
  // cancelled or refused keeps the program running: its error leaves as zorvat::Error; Cancel
  // keeps it running); then the layout and the recent files are written and the exit question
  // decides. Settings that cannot be written never keep the program from ending: the failure is
  // shown once, and the exit question follows.
  bool MayClose(const WindowLayout& layout);

  // The session ends: unless the user has agreed to close already, the changed document is saved
  // without a question and the settings are written, so nothing typed is lost; the settings
  // even when the save throws. A close still asking after the user said No to saving saves
  // nothing: only what the user has not answered is saved unasked.
  void SessionEnds(const WindowLayout& layout);
  // The session went on after all (another program refused its end).
  void SessionGoesOn() { agreed_ = false; }
  // The start told the user that the settings file cannot be used: a close still tries to write
  // it, but does not tell the failure again.
  void SettingsTroubleShown() { settingsTroubleShown_ = true; }
  // The start could not read the settings file: what a close would write (the recent lists, the
  // list to open) comes from the defaults, and would replace the user's if the file has become
  // readable meanwhile. Nothing is written then.
  void SettingsUnreadAtStart() { settingsUnread_ = true; }

  // The settings written at every close, in one replacement of the file, in this order:
  // ZorvatChoice_Width, LastOpened, ShortCut#1..#3, Max. A refused write throws zorvat::Error.
  void WriteCloseSettings(const WindowLayout& layout);

 private:
  bool OfferToSave();
  void WriteCloseSettingsTellingOnce(const WindowLayout& layout);

  Prompts& prompts_;
  ListDocument& document_;
  SettingsFile& settings_;
  bool agreed_ = false;
  bool saveDeclined_ = false;  // No to saving, while the close that asked goes on
  bool settingsTroubleShown_ = false;
  bool settingsUnread_ = false;
};

}  // namespace zorvat
