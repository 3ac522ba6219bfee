#include "events/RecentFiles.h"

#include <algorithm>

#include "base/Files.h"
#include "base/TextUtil.h"

namespace zorvat {

void RecentFiles::Offer(const std::string& path) {
  if (std::find(entries_.begin(), entries_.end(), path) != entries_.end()) {
    return;
  }
  for (std::string& entry : entries_) {
    if (!FileExists(entry)) {
      entry = path;
      return;
    }
  }
  std::shift_right(entries_.begin(), entries_.end(), 1);
  entries_[0] = path;
}

std::string RecentMenuText(std::string_view entry, std::size_t number) {
  return MenuItemName(entry) + "\tF" + std::to_string(4 + number);
}

}  // namespace zorvat
