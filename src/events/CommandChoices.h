#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zorvat {

// The properties dialog's command drop-down; an entry's index is the command code it stores.
// "ControlPanel" has no action; the new-event tree offers no item for it.
inline constexpr std::array<std::string_view, 13> kCommandChoices{
    "Message",     "Alert",       "AppStart",     "Copy file",
    "Rename file", "Delete file", "Exit Windows", "Turn off computer",
    "Reboot",      "MS-DOS mode", "Log off user", "Display resolution",
    "ControlPanel"};

// The command code stored for the drop-down's index; with no entry chosen (-1) the record
// carries 255, the code of a cleared slot.
std::uint8_t CommandOfChoice(int index);

// The parameter dialog the properties dialog opens for a command index.
enum class ParameterDialog {
  None,  // Exit Windows ... Log off user, ControlPanel, no entry: no operands to ask for
  Message,
  Alert,
  AppStart,
  CopyFile,
  RenameFile,
  DeleteFile,
  DisplayMode,
};
ParameterDialog ParameterDialogFor(int commandIndex);

// The display dialog's choices; the user may also type a text of his own.
inline constexpr std::array<std::string_view, 6> kResolutionChoices{
    "1280 x 1024 Pixel", "1152 x 864 Pixel", "1024 x 768 Pixel",
    "800 x 600 Pixel",   "640 x 480 Pixel",  "640 x 400 Pixel"};
inline constexpr std::array<std::string_view, 4> kColourDepthChoices{
    "4 bit (16 colours)", "8 bit (256 colours)", "16 bit (HiColor / 65536)",
    "24 bit (TrueColor / 16,7 Mio)"};

}  // namespace zorvat
