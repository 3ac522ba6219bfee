#include "ui/EventEditing.h"

#include "events/EditingQuestions.h"
#include "events/EventRows.h"
#include "events/NewEventTree.h"
#include "events/PropertiesConfirmation.h"

namespace zorvat::ui {

EventEditing::EventEditing(ListDocument& document, Prompts& prompts, const Clock& clock,
                           const LiveSettings& live, PropertiesEditor editProperties)
    : document_(document),
      prompts_(prompts),
      clock_(clock),
      live_(live),
      editProperties_(std::move(editProperties)) {}

bool EventEditing::NewEvent(HWND owner, EventKind shown, int treeItem) {
  const std::optional<std::uint8_t> command = NewEventCommand(treeItem);
  if (!command) {
    return false;
  }
  if (auto refusal = NewEventRefusal(document_.Lists()[shown])) {
    prompts_.ShowError(*refusal);
    return false;
  }
  const DateTime now = clock_.Now();
  const EventProperties in{now, now, *command, live_.newEventQuery, {}};
  const std::optional<EventProperties> out = editProperties_(owner, shown, true, in);
  if (!out) {
    return false;
  }
  const ConfirmedEvent event = ConfirmProperties(shown, *out, std::nullopt, live_.newEventActive);
  return document_.AppendEvent(shown, event.record, event.queryText);
}

bool EventEditing::EditProperties(HWND owner, EventKind shown,
                                  std::optional<std::size_t> selected) {
  if (!selected) {
    return false;
  }
  const EventRecord existing = document_.Lists()[shown][*selected];
  const Task& task = existing.task;
  const EventProperties in{
      task.time, task.time, task.command, task.query, {task.operand1, task.operand2}};
  const std::optional<EventProperties> out = editProperties_(owner, shown, false, in);
  if (!out) {
    return false;
  }
  const ConfirmedEvent event = ConfirmProperties(shown, *out, existing, live_.newEventActive);
  return document_.ReplaceEvent(shown, *selected, event.record, event.queryText);
}

bool EventEditing::Delete(EventKind shown, std::optional<std::size_t> selected) {
  if (!selected) {
    return false;
  }
  const EventRow& row = document_.Rows(shown)[*selected];
  if (!prompts_.Confirm(DeleteQuestion(shown, row.eventText, row.caption))) {
    return false;
  }
  return document_.DeleteEvent(shown, *selected);
}

bool EventEditing::Undelete(EventKind shown, std::optional<std::size_t> selected) {
  if (!selected) {
    return false;
  }
  const Task& task = document_.Lists()[shown][*selected].task;
  if (!prompts_.Confirm(
          UndeleteQuestion(shown, DescribeEvent(task.command, task.operand1, task.operand2)))) {
    return false;
  }
  return document_.UndeleteEvent(shown, *selected);
}

EventEditing::PropertiesEditor SystemPropertiesDialog(Prompts& errors) {
  return [&errors, parameters = SystemParameterDialogs(errors)](
             HWND owner, EventKind kind, bool newEvent, const EventProperties& in) {
    return EditEventProperties(owner, errors, kind, newEvent, in, parameters);
  };
}

}  // namespace zorvat::ui
