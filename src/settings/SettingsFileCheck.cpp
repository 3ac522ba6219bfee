#include "settings/SettingsFileCheck.h"

#include "base/Files.h"
#include "settings/ProfileFile.h"

namespace zorvat {

std::optional<std::string> PrepareSettingsFile(const SettingsFile& settings) {
  const std::string& path = settings.Path();
  const std::string temporary = TemporaryFileFor(path);
  if (NothingAt(path) && LoadProfileFile(temporary)) {
    RecoverInterruptedSave(path);
  }
  if (SettingsFileUnreadable(settings)) {
    return "The settings file \"" + path +
           "\" cannot be read. Zorvat runs on its default settings and leaves the file as it is.";
  }
  if (!CanReplaceFile(path)) {
    return "Unable to write to " + path +
           ". Zorvat runs on, but changes to its settings are not kept.";
  }
  return std::nullopt;
}

bool SettingsFileUnreadable(const SettingsFile& settings) {
  return !NothingAt(settings.Path()) && !LoadProfileFile(settings.Path());
}

}  // namespace zorvat
