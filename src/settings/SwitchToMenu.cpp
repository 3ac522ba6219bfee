#include "settings/SwitchToMenu.h"

#include "settings/SettingsStore.h"

namespace zorvat {

SwitchToMenu ReadSwitchToMenu(const SettingsFile& settings,
                              const std::function<bool(const std::string&)>& isFile) {
  SwitchToMenu menu;
  for (std::size_t i = 0; i < menu.entries.size(); ++i) {
    SwitchToMenu::Entry& entry = menu.entries[i];
    entry.caption = settings.Read(keys::kShortCutName[i]);
    const std::string file = settings.Read(keys::kShortCutFile[i]);
    // An entry without a caption would be an empty line nobody can tell apart.
    entry.visible = !entry.caption.empty() && !file.empty() && isFile(file);
    menu.separatorVisible = menu.separatorVisible || entry.visible;
  }
  return menu;
}

std::string SwitchToFile(const SettingsFile& settings, int entry) {
  return settings.Read(keys::kShortCutFile.at(static_cast<std::size_t>(entry)));
}

}  // namespace zorvat
