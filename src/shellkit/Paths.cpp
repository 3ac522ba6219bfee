#include "shellkit/Paths.h"

namespace zorvat::shellkit {

std::string FolderPart(std::string_view path) {
  const size_t last = path.find_last_of("\\:");
  if (last == std::string_view::npos) {
    return {};
  }
  size_t length = last + 1;
  if (path[last] == '\\' && last > 0 && path[last - 1] != ':' && path[last - 1] != '\\') {
    --length;
  }
  return std::string(path.substr(0, length));
}

std::string FileNamePart(std::string_view path) {
  const size_t last = path.find_last_of("\\:");
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

}  // namespace zorvat::shellkit
