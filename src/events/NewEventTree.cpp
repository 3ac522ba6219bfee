#include "events/NewEventTree.h"

#include <algorithm>
#include <array>

namespace zorvat {
namespace {

constexpr std::size_t kTreeSize =
    kTreeGroups.size() + static_cast<std::size_t>(std::count_if(
                             kTaskKinds.begin(), kTaskKinds.end(),
                             [](const TaskKind& kind) { return kind.tree.has_value(); }));

// Each item at its place. A place beyond the tree stops the build; one given twice leaves
// another empty, which FormsOneTree refuses.
constexpr std::array<NewEventTreeItem, kTreeSize> TreeItems() {
  std::array<NewEventTreeItem, kTreeSize> items{};
  for (const TreeGroup& group : kTreeGroups) {
    items.at(group.place.order) = {group.place.caption, group.icon, group.place.depth, {}};
  }
  for (const TaskKind& kind : kTaskKinds) {
    if (kind.tree) {
      items.at(kind.tree->order) = {kind.tree->caption, kind.icon.value(), kind.tree->depth,
                                    kind.code};
    }
  }
  return items;
}
constexpr std::array<NewEventTreeItem, kTreeSize> kItems = TreeItems();

// One root first, no item deeper than one below the item before it, and events only at leaves.
constexpr bool FormsOneTree() {
  for (std::size_t i = 0; i < kItems.size(); ++i) {
    const NewEventTreeItem& item = kItems[i];
    const bool root = i == 0;
    if (item.caption.empty() || (item.depth == 0) != root ||
        (!root && item.depth > kItems[i - 1].depth + 1)) {
      return false;
    }
    const bool hasChildren = i + 1 < kItems.size() && kItems[i + 1].depth > item.depth;
    if (hasChildren && item.command) {
      return false;
    }
  }
  return true;
}
static_assert(FormsOneTree(), "the tree places must form one tree with events at its leaves");

}  // namespace

std::span<const NewEventTreeItem> NewEventTreeItems() {
  return kItems;
}

std::optional<std::uint8_t> NewEventCommand(int itemIndex) {
  if (itemIndex < 0 || static_cast<std::size_t>(itemIndex) >= kItems.size()) {
    return std::nullopt;
  }
  return kItems[static_cast<std::size_t>(itemIndex)].command;
}

}  // namespace zorvat
