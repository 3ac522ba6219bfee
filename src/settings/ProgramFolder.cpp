#include "settings/ProgramFolder.h"

#include <filesystem>
#include <system_error>

#include "base/Files.h"

namespace zorvat {

std::string ProgramFolderOf(std::string_view programFile) {
  const std::size_t end = programFile.find_last_of("\\/");
  return end == std::string_view::npos ? std::string()
                                       : std::string(programFile.substr(0, end + 1));
}

std::string LibFolder(std::string_view programFolder) {
  return PathToUtf8(PathFromUtf8(programFolder) / "Lib");
}

void CreateLibFolder(std::string_view programFolder) {
  std::error_code ignored;
  std::filesystem::create_directories(PathFromUtf8(LibFolder(programFolder)), ignored);
}

std::optional<std::string> AnimationClipFile(std::string_view programFolder) {
  std::string clip = PathToUtf8(PathFromUtf8(programFolder) / "Data" / "Seq01.dll");
  if (!FileExists(clip)) {
    return std::nullopt;
  }
  return clip;
}

}  // namespace zorvat
