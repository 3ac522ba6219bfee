#include "events/PropertiesConfirmation.h"

#include "events/EventMessages.h"
#include "events/EventRows.h"
#include "events/ListHeadings.h"

namespace zorvat {

ConfirmedEvent ConfirmProperties(EventKind kind, const PropertiesChoice& choice,
                                 const std::optional<EventRecord>& existing, bool newEventActive) {
  ConfirmedEvent event;
  Task& task = event.record.task;
  task.time = HasOwnDate(kind) ? EncodeDateTime(DecodeDate(choice.date), DecodeTime(choice.time))
                               : choice.time;
  task.command =
      choice.command < 0 && existing ? existing->task.command : CommandOfChoice(choice.command);
  task.operand1 = choice.operands.operand1;
  task.operand2 = choice.operands.operand2;
  const TaskKind* chosen = FindTaskKind(task.command);
  if (chosen && chosen->neverAsks) {
    task.query = false;
    event.queryText = kNoQueryText;
  } else {
    task.query = choice.query;
    event.queryText = QueryText(choice.query);
  }
  event.record.active = existing ? existing->active : newEventActive;
  event.record.deleted = false;
  return event;
}

bool MayConfirm(int command, bool newEvent) {
  return command >= 0 || !newEvent;
}

std::optional<std::string> NewEventRefusal(const EventList& list) {
  if (list.Full()) {
    return ListFullMessage();
  }
  return std::nullopt;
}

}  // namespace zorvat
