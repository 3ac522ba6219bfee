#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "base/DateTime.h"
#include "base/Prompts.h"
#include "events/EventLists.h"
#include "events/PropertiesConfirmation.h"
#include "events/TaskKinds.h"
#include "ui/ParameterDialogs.h"

namespace zorvat::ui {

// What the properties dialog shows, and what the user confirmed in it: the core's choice.
using EventProperties = PropertiesChoice;

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
