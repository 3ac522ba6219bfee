#include "scheduler/TaskMessages.h"

#include "base/Error.h"
#include "base/ProductText.h"
#include "events/TaskKinds.h"

namespace zorvat {

std::optional<std::string> ConfirmationText(const Task& task) {
  const TaskKind* kind = FindTaskKind(task.command);
  if (!kind || kind->question.empty()) {
    return std::nullopt;
  }
  return ProductMessage(WithOperands(kind->question, task.operand1, task.operand2));
}

std::string MessageTaskText(std::string_view message) {
  return ProductMessage(message);
}

// The one box of the program's own without the empty line after the product name.
std::string AlertReminderText() {
  return std::string(kApplicationTitle) + " sez: This alert shall you remind to something...!";
}

}  // namespace zorvat
