#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

// What varies by the kind of task an event carries is one row of kTaskKinds, read by every
// layer. A new kind is a row here; a new action needs its case in scheduler/TaskActions.cpp,
// a new parameter dialog its layout in ui/ParameterDialogs.cpp and a template, a new icon its
// resource (res/Icons.cmake, IDI_KIND_* in res/PictureIds.h).

// Command codes as list files store them. A file may carry any code that fits a byte: one
// without a row is kept as it is, shown as kUnknownEventText and never run.
enum CommandCode : std::uint8_t {
  kCmdMessage = 0,
  kCmdAlert = 1,
  kCmdAppStart = 2,
  kCmdCopyFile = 3,
  kCmdRenameFile = 4,
  kCmdDeleteFile = 5,
  kCmdExitWindows = 6,
  kCmdTurnOff = 7,
  kCmdReboot = 8,
  kCmdDosMode = 9,
  kCmdLogOff = 10,
  kCmdDisplayMode = 11,
  kCmdControlPanel = 12,
  kCmdCleared = 255,  // a cleared slot, or a new event with no entry chosen
};

// The kind icons in the order of their resources: image i of the list is IDI_KIND_FIRST + i.
enum class KindIcon : std::uint8_t {
  Copy,
  Delete,
  ShutDown,
  DosMode,
  LogOff,
  AppStart,
  FileRoutines,
  ControlPanel,
  Reboot,
  Message,
  NewEvent,
  Rename,
  Alert,
};
inline constexpr int kKindIconCount = 13;

// The parameter dialog the properties dialog's parameter button opens (ui/ParameterDialogs).
enum class ParameterDialog : std::uint8_t {
  None,  // no operands to ask for
  Message,
  Alert,
  AppStart,
  CopyFile,
  RenameFile,
  DeleteFile,
  DisplayMode,
};

// What running a task does (scheduler/TaskActions).
enum class TaskAction : std::uint8_t {
  None,
  ShowMessage,
  PlayAlert,
  StartProgram,
  CopyFile,
  MoveFile,
  DeleteFile,
  ExitWindows,
  TurnOff,
  Reboot,
  DosMode,
  LogOff,
  ChangeDisplayMode,
};

// What becomes of an occurrence that was missed.
enum class LateKind : std::uint8_t {
  Reminder,  // shown late: a message or an alert
  Runnable,  // the user may run it late: a program start or a file task
  Never,     // not run late: the end of the session, the display mode, no action
};

// An item of the new-event tree. `order` places it among all the tree's items, groups
// included; its parent is the nearest earlier item one level up.
struct TreePlace {
  std::string_view caption{};
  int depth = 0;
  int order = 0;
};

struct TaskKind {
  std::uint8_t code = 0;
  std::string_view name{};  // its entry in the properties dialog's command drop-down
  // The tree item's icon, and the rows' unless they show a file's.
  std::optional<KindIcon> icon{};
  bool fileIcon = false;            // rows show the shell icon of the file operand 1 names
  std::optional<TreePlace> tree{};  // none: only the drop-down offers the kind
  std::string_view eventText{};     // the rows' "Event" column; %1 and %2 stand for the operands
  std::string_view question{};      // asked first when the event's query is set; "" asks nothing
  bool neverAsks = false;           // its query is stored off and shown as "-"
  ParameterDialog dialog = ParameterDialog::None;
  LateKind late = LateKind::Never;
  TaskAction action = TaskAction::None;
};

inline constexpr std::string_view kUnknownEventText = "[Unknown]";

// Row i has code i: the drop-down's entry i stores code i. Tree order and code order differ
// for the last two items of the tree.
inline constexpr auto kTaskKinds = std::to_array<TaskKind>({
    {.code = kCmdMessage,
     .name = "Message",
     .icon = KindIcon::Message,
     .tree = TreePlace{"Message", 1, 1},
     .eventText = R"(Message: "%1")",
     .neverAsks = true,
     .dialog = ParameterDialog::Message,
     .late = LateKind::Reminder,
     .action = TaskAction::ShowMessage},
    {.code = kCmdAlert,
     .name = "Alert",
     .icon = KindIcon::Alert,
     .tree = TreePlace{"Alert", 1, 2},
     .eventText = "Alert",
     .neverAsks = true,
     .dialog = ParameterDialog::Alert,
     .late = LateKind::Reminder,
     .action = TaskAction::PlayAlert},
    {.code = kCmdAppStart,
     .name = "AppStart",
     .icon = KindIcon::AppStart,
     .fileIcon = true,
     .tree = TreePlace{"AppStart", 1, 3},
     .eventText = R"(AppStart: "%1" (Parameter: "%2"))",
     .question = R"(Execute Zorvat "%1" now?)",
     .dialog = ParameterDialog::AppStart,
     .late = LateKind::Runnable,
     .action = TaskAction::StartProgram},
    {.code = kCmdCopyFile,
     .name = "Copy file",
     .icon = KindIcon::Copy,
     .fileIcon = true,
     .tree = TreePlace{"Copy", 2, 5},
     .eventText = R"(Copy file, from "%1" to "%2")",
     .question = R"(Copy file "%1" to "%2" ?)",
     .dialog = ParameterDialog::CopyFile,
     .late = LateKind::Runnable,
     .action = TaskAction::CopyFile},
    {.code = kCmdRenameFile,
     .name = "Rename file",
     .icon = KindIcon::Rename,
     .fileIcon = true,
     .tree = TreePlace{"Rename", 2, 6},
     .eventText = R"(Rename file, from "%1" to "%2")",
     .question = R"(Rename file "%1" to "%2" ?)",
     .dialog = ParameterDialog::RenameFile,
     .late = LateKind::Runnable,
     .action = TaskAction::MoveFile},
    {.code = kCmdDeleteFile,
     .name = "Delete file",
     .icon = KindIcon::Delete,
     .fileIcon = true,
     .tree = TreePlace{"Delete", 2, 7},
     .eventText = R"(Delete file: "%1")",
     .question = R"(Delete file "%1" ?)",
     .dialog = ParameterDialog::DeleteFile,
     .late = LateKind::Runnable,
     .action = TaskAction::DeleteFile},
    {.code = kCmdExitWindows,
     .name = "Exit Windows",
     .icon = KindIcon::ShutDown,
     .tree = TreePlace{"Exit Windows", 3, 10},
     .eventText = "Exit Windows",
     .question = "What about exiting Windows?",
     .action = TaskAction::ExitWindows},
    {.code = kCmdTurnOff,
     .name = "Turn off computer",
     .icon = KindIcon::ShutDown,
     .tree = TreePlace{"Turn off computer", 3, 11},
     .eventText = "Turn off computer",
     .question = "Turn off the computer now (ATX only)?",
     .action = TaskAction::TurnOff},
    {.code = kCmdReboot,
     .name = "Reboot",
     .icon = KindIcon::Reboot,
     .tree = TreePlace{"Reboot", 3, 12},
     .eventText = "Reboot",
     .question = "Reboot system now?",
     .action = TaskAction::Reboot},
    {.code = kCmdDosMode,
     .name = "MS-DOS mode",
     .icon = KindIcon::DosMode,
     .tree = TreePlace{"MS-DOS mode", 3, 13},
     .eventText = "MS-DOS-Mode",
     .question = "Exit Windows and go to DOS mode now?",
     .action = TaskAction::DosMode},
    {.code = kCmdLogOff,
     .name = "Log off user",
     .icon = KindIcon::LogOff,
     .tree = TreePlace{"Log off user", 2, 15},
     .eventText = "Log off user",
     .question = "Log off current user?",
     .action = TaskAction::LogOff},
    {.code = kCmdDisplayMode,
     .name = "Display resolution",
     .icon = KindIcon::ShutDown,
     .tree = TreePlace{"Display resolution", 2, 14},
     .eventText = "Change display resolution in %1 and %2",
     .question = "Change to this display resolution: %1 and %2?",
     .dialog = ParameterDialog::DisplayMode,
     .action = TaskAction::ChangeDisplayMode},
    // Offered by the drop-down alone, with nothing to do.
    {.code = kCmdControlPanel, .name = "ControlPanel", .eventText = kUnknownEventText},
});

// The tree's group items, which start no event.
struct TreeGroup {
  TreePlace place;
  KindIcon icon;
};
inline constexpr auto kTreeGroups = std::to_array<TreeGroup>({
    {{"new Zorvat", 0, 0}, KindIcon::NewEvent},
    {{"Fileroutines", 1, 4}, KindIcon::FileRoutines},
    {{"Systemevents", 1, 8}, KindIcon::Reboot},
    {{"Exit", 2, 9}, KindIcon::ShutDown},
});

// The row of a code; nothing for a code without one, which every reader refuses in its own
// words (kUnknownEventText, no icon, no dialog, never run).
const TaskKind* FindTaskKind(std::uint8_t code);

// `text` with %1 and %2 replaced by the operands, in one pass: an operand's own "%2" stays.
std::string WithOperands(std::string_view text, std::string_view operand1,
                         std::string_view operand2);

// The code the drop-down's entry `index` stores; with no entry chosen (-1) the record carries
// kCmdCleared.
std::uint8_t CommandOfChoice(int index);

// The parameter dialog of the drop-down's entry `index`; None for no entry.
ParameterDialog ParameterDialogFor(int index);

// The display dialog's choices; the user may also type a text of his own.
inline constexpr std::array<std::string_view, 6> kResolutionChoices{
    "1280 x 1024 Pixel", "1152 x 864 Pixel", "1024 x 768 Pixel",
    "800 x 600 Pixel",   "640 x 480 Pixel",  "640 x 400 Pixel"};
inline constexpr std::array<std::string_view, 4> kColourDepthChoices{
    "4 bit (16 colours)", "8 bit (256 colours)", "16 bit (HiColor / 65536)",
    "24 bit (TrueColor / 16,7 Mio)"};

}  // namespace zorvat
