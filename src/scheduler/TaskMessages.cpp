#include "scheduler/TaskMessages.h"

#include "base/Error.h"
#include "base/ProductText.h"
#include "events/EventRecord.h"

namespace zorvat {
namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::optional<std::string> ConfirmationText(const Task& task) {
  const std::string& op1 = task.operand1;
  const std::string& op2 = task.operand2;
  std::string question;
  switch (task.command) {
    case kCmdAppStart:
      question = "Execute Zorvat " + Quoted(op1) + " now?";
      break;
    case kCmdCopyFile:
      question = "Copy file " + Quoted(op1) + " to " + Quoted(op2) + " ?";
      break;
    case kCmdRenameFile:
      question = "Rename file " + Quoted(op1) + " to " + Quoted(op2) + " ?";
      break;
    case kCmdDeleteFile:
      question = "Delete file " + Quoted(op1) + " ?";
      break;
    case kCmdExitWindows:
      question = "What about exiting Windows?";
      break;
    case kCmdTurnOff:
      question = "Turn off the computer now (ATX only)?";
      break;
    case kCmdReboot:
      question = "Reboot system now?";
      break;
    case kCmdDosMode:
      question = "Exit Windows and go to DOS mode now?";
      break;
    case kCmdLogOff:
      question = "Log off current user?";
      break;
    case kCmdDisplayMode:
      question = "Change to this display resolution: " + op1 + " and " + op2 + "?";
      break;
    default:
      return std::nullopt;
  }
  return ProductMessage(question);
}

std::string MessageTaskText(std::string_view message) {
  return ProductMessage(message);
}

// The one box of the program's own without the empty line after the product name.
std::string AlertReminderText() {
  return std::string(kApplicationTitle) + " sez: This alert shall you remind to something...!";
}

}  // namespace zorvat
