#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "events/EventLists.h"
#include "events/EventRecord.h"

namespace zorvat {

// The two texts every task carries; all parameter dialogs edit the same pair.
struct Operands {
  std::string operand1;
  std::string operand2;
  friend bool operator==(const Operands&, const Operands&) = default;
};

// What the properties dialog shows, and holds when the user confirms it.
struct PropertiesChoice {
  DateTime date = 0;  // the date picker's full value
  DateTime time = 0;  // the time picker's full value
  int command = 0;    // the command list's index; -1: no entry chosen
  bool query = false;
  Operands operands;
  friend bool operator==(const PropertiesChoice&, const PropertiesChoice&) = default;
};

// The record the choice makes, and the text of its row's "Query" column.
struct ConfirmedEvent {
  EventRecord record;
  std::string queryText;
};

// Single events take the date picker's date with the time picker's time of day; the other
// lists the time picker's value. Message and alert never ask. A new event is active as
// `NewItem_Active` says; an existing one keeps its state, so confirming an event the user
// switched off does not switch it on again. Confirming brings a deleted event back. An existing
// event whose command the drop-down does not offer (read from a file) shows no entry; confirmed
// without a choice, it keeps its command rather than becoming a cleared slot.
ConfirmedEvent ConfirmProperties(EventKind kind, const PropertiesChoice& choice,
                                 const std::optional<EventRecord>& existing, bool newEventActive);

// Whether the dialog may be confirmed with the command list's index `command` (-1: no entry
// chosen). An existing event whose command the list does not offer is confirmed unchanged; a
// new event needs a choice.
bool MayConfirm(int command, bool newEvent);

// The message that refuses a new event in `list` (ListFullMessage), nothing when it has room.
std::optional<std::string> NewEventRefusal(const EventList& list);

}  // namespace zorvat
