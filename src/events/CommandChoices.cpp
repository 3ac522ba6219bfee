#include "events/CommandChoices.h"

#include "events/EventRecord.h"

namespace zorvat {

std::uint8_t CommandOfChoice(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kCommandChoices.size()) {
    return kCmdCleared;
  }
  return static_cast<std::uint8_t>(index);
}

ParameterDialog ParameterDialogFor(int commandIndex) {
  switch (commandIndex) {
    case kCmdMessage:
      return ParameterDialog::Message;
    case kCmdAlert:
      return ParameterDialog::Alert;
    case kCmdAppStart:
      return ParameterDialog::AppStart;
    case kCmdCopyFile:
      return ParameterDialog::CopyFile;
    case kCmdRenameFile:
      return ParameterDialog::RenameFile;
    case kCmdDeleteFile:
      return ParameterDialog::DeleteFile;
    case kCmdDisplayMode:
      return ParameterDialog::DisplayMode;
    default:
      return ParameterDialog::None;
  }
}

}  // namespace zorvat
