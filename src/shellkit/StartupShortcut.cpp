#include "shellkit/StartupShortcut.h"

#include <filesystem>
#include <system_error>

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
  const std::filesystem::path link = PathFromUtf8(folder) / PathFromUtf8(title + ".lnk");
  std::error_code ignored;
  if (!wanted) {
    std::filesystem::remove(link, ignored);
    return;
  }
  std::filesystem::create_directories(PathFromUtf8(folder), ignored);
  CreateShortcut(PathToUtf8(link), target, FolderPart(target));
}

}  // namespace zorvat::shellkit
