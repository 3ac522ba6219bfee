#include "settings/SettingsFileCheck.h"

#include "base/Files.h"
#include "settings/ProfileFile.h"
#include "settings/ProgramFolder.h"

namespace zorvat {

std::optional<SettingsFileTrouble> PrepareSettingsFile(const SettingsFile& settings) {
  const std::string& path = settings.Path();
  const std::string temporary = TemporaryFileFor(path);
  if (NothingAt(path) && LoadProfileFile(temporary)) {
    RecoverInterruptedSave(path);
  }
  if (SettingsFileUnreadable(settings)) {
    return SettingsFileTrouble{
        "The settings file \"" + path +
        "\" cannot be read. Zorvat runs on its default settings and leaves the file as it is."};
  }
  switch (CheckReplacing(path)) {
    case Replacing::Possible:
      return std::nullopt;
    case Replacing::FileRefuses:
      return SettingsFileTrouble{"Unable to write to " + path +
                                 ". Zorvat runs on, but changes to its settings are not kept."};
    case Replacing::FolderRefuses:
      break;
  }
  return SettingsFileTrouble{"Unable to write to the folder \"" + ProgramFolderOf(path) +
                                 "\". Zorvat runs on, but changes to its settings are not kept, "
                                 "and the next start cannot tell which events it missed.",
                             true};
}

bool SettingsFileUnreadable(const SettingsFile& settings) {
  return !NothingAt(settings.Path()) && !LoadProfileFile(settings.Path());
}

}  // namespace zorvat
