#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "base/DateTime.h"
#include "base/Prompts.h"
#include "events/CommandChoices.h"
#include "events/EventLists.h"
#include "ui/ParameterDialogs.h"

namespace zorvat::ui {

// What the properties dialog shows, and what the user confirmed in it. Each picker holds a full
// date-time value; which parts count is the core's matter when it builds the record.
struct EventProperties {
  DateTime date = 0;  // the date picker
  DateTime time = 0;  // the time picker
  int command = 0;    // the command drop-down's index: the command code
  bool query = false;
  Operands operands;
  friend bool operator==(const EventProperties&, const EventProperties&) = default;
};

// How the dialog's parameter button asks for the operands (replaced in tests).
using ParameterEditor =
    std::function<std::optional<Operands>(HWND owner, ParameterDialog which, const Operands& in)>;

// The properties dialog of an event of list `kind`, new or existing: what the user confirmed,
// nothing when cancelled. The parameter button opens `editParameters` for the chosen command;
// operands it gives back count only when the dialog is confirmed.
std::optional<EventProperties> EditEventProperties(HWND owner, Prompts& errors, EventKind kind,
                                                   bool newEvent, const EventProperties& in,
                                                   const ParameterEditor& editParameters);

// The parameter dialogs of this program as the properties dialog's parameter editor.
ParameterEditor SystemParameterDialogs(Prompts& errors);

}  // namespace zorvat::ui
