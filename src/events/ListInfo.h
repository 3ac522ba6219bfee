#pragma once

#include <array>
#include <string>
#include <string_view>

#include "events/EventLists.h"

namespace zorvat {

// What the list information window shows of a list file and of the lists in memory.
struct ListInfoTexts {
  std::string fileName;  // without its folder
  std::string folder;    // without a trailing separator, except a drive's root ("C:\")
  std::string type;
  std::string size;  // "1234 bytes"
  std::string date;
  std::array<std::string, 4> counts;  // "3 entries": single, daily, weekly, monthly
};

// `type`, `sizeInBytes` and `date` are the shell's details of the file; the counts are the
// records in memory, removed ones included, as they stay in their slots until the next load.
ListInfoTexts ComposeListInfo(std::string_view path, const EventLists& lists, std::string type,
                              std::string_view sizeInBytes, std::string date);

// The folder of a path, as ListInfoTexts::folder.
std::string FolderOf(std::string_view path);

}  // namespace zorvat
