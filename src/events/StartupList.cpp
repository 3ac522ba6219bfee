#include "events/StartupList.h"

#include <string>

#include "events/ListDocument.h"
#include "settings/SettingsStore.h"

namespace zorvat {

void OpenStartupList(const SettingsFile& settings, ListDocument& document) {
  std::string path;
  switch (settings.Read(keys::kDefaultLibMode)) {
    case 1:
      path = settings.Read(keys::kLastOpened);
      break;
    case 2:
      path = settings.Read(keys::kDefaultLib);
      break;
    default:
      return;
  }
  if (!path.empty()) {
    document.ReadFile(path);
  }
}

}  // namespace zorvat
