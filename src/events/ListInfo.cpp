#include "events/ListInfo.h"

namespace zorvat {
namespace {

std::size_t LastSeparator(std::string_view path) {
  return path.find_last_of("\\/:");
}

}  // namespace

std::string FolderOf(std::string_view path) {
  const std::size_t separator = LastSeparator(path);
  if (separator == std::string_view::npos) {
    return {};
  }
  if (path[separator] == ':') {
    return std::string(path.substr(0, separator + 1));  // "C:name": the drive's current folder
  }
  const std::string_view folder = path.substr(0, separator);
  // A drive's root keeps its separator: "C:" alone would mean that drive's current folder.
  if (folder.size() == 2 && folder[1] == ':') {
    return std::string(path.substr(0, separator + 1));
  }
  return std::string(folder);
}

ListInfoTexts ComposeListInfo(std::string_view path, const EventLists& lists, std::string type,
                              std::string_view sizeInBytes, std::string date) {
  ListInfoTexts texts;
  const std::size_t separator = LastSeparator(path);
  texts.fileName =
      std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
  texts.folder = FolderOf(path);
  texts.type = std::move(type);
  texts.size = std::string(sizeInBytes) + " bytes";
  texts.date = std::move(date);
  for (const EventKind kind : kAllKinds) {
    texts.counts[static_cast<std::size_t>(kind)] = std::to_string(lists[kind].Count()) + " entries";
  }
  return texts;
}

}  // namespace zorvat
