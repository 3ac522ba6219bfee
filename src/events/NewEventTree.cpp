#include "events/NewEventTree.h"

#include <array>

#include "events/EventRecord.h"

namespace zorvat {
namespace {

// Tree order and command order differ for the last two items.
constexpr std::array<NewEventTreeItem, 16> kItems{{
    {"new Zorvat", 10, 0, std::nullopt},
    {"Message", 9, 1, kCmdMessage},
    {"Alert", 12, 1, kCmdAlert},
    {"AppStart", 5, 1, kCmdAppStart},
    {"Fileroutines", 6, 1, std::nullopt},
    {"Copy", 0, 2, kCmdCopyFile},
    {"Rename", 11, 2, kCmdRenameFile},
    {"Delete", 1, 2, kCmdDeleteFile},
    {"Systemevents", 8, 1, std::nullopt},
    {"Exit", 2, 2, std::nullopt},
    {"Exit Windows", 2, 3, kCmdExitWindows},
    {"Turn off computer", 2, 3, kCmdTurnOff},
    {"Reboot", 8, 3, kCmdReboot},
    {"MS-DOS mode", 3, 3, kCmdDosMode},
    {"Display resolution", 2, 2, kCmdDisplayMode},
    {"Log off user", 4, 2, kCmdLogOff},
}};

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
