#include "shellkit/StartupShortcut.h"

#include "base/Files.h"
#include "shellkit/Paths.h"
#include "shellkit/ShellLinks.h"
#include "shellkit/SystemFolders.h"

namespace zorvat::shellkit {

void SetStartupShortcut(bool wanted, const std::string& title, const std::string& target) {
  const std::string folder = GetSystemFolder(kStartupFolder);
  if (folder == "[?]" || folder.empty()) {
    return;
  }
  const std::string link = JoinPath(folder, title + ".lnk");
  if (!wanted) {
    RemoveFile(link);
    return;
  }
  CreateFolders(folder);
  CreateShortcut(link, target, FolderPart(target));
}

}  // namespace zorvat::shellkit
