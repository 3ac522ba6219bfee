#include "settings/ProgramFolder.h"

#include "base/Files.h"

namespace zorvat {

std::string ProgramFolderOf(std::string_view programFile) {
  const std::size_t end = programFile.find_last_of("\\/");
  return end == std::string_view::npos ? std::string()
                                       : std::string(programFile.substr(0, end + 1));
}

std::string LibFolder(std::string_view programFolder) {
  return JoinPath(programFolder, "Lib");
}

void CreateLibFolder(std::string_view programFolder) {
  CreateFolders(LibFolder(programFolder));
}

std::optional<std::string> AnimationClipFile(std::string_view programFolder) {
  std::string clip = JoinPath(JoinPath(programFolder, "Data"), "Seq01.dll");
  if (!FileExists(clip)) {
    return std::nullopt;
  }
  return clip;
}

}  // namespace zorvat
