#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "events/TaskKinds.h"

namespace zorvat {

// An item of the new-event tree. Group items start no event and carry no command.
struct NewEventTreeItem {
  std::string_view caption;
  KindIcon icon = KindIcon::NewEvent;
  int depth = 0;  // 0 is the root; an item's parent is the nearest earlier item one level up
  std::optional<std::uint8_t> command;
};

// The tree's items in the order they are shown (the kinds' and groups' tree places); an item's
// index is its absolute tree index.
std::span<const NewEventTreeItem> NewEventTreeItems();

// The command a double click on the item at this absolute index starts a new event with;
// nothing for a group item or an index outside the tree (no item selected).
std::optional<std::uint8_t> NewEventCommand(int itemIndex);

}  // namespace zorvat
