#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/Prompts.h"
#include "events/PropertiesConfirmation.h"
#include "events/TaskKinds.h"

namespace zorvat::ui {

// Shows the parameter dialog `which` with `in` in its inputs: the operands as the user confirmed
// them (a dialog with one input empties operand 2), nothing when cancelled. Operands a list file
// cannot store are refused at OK with the core's message, and the dialog stays open.
// ParameterDialog::None shows nothing and gives nothing.
std::optional<Operands> EditParameters(HWND owner, Prompts& errors, ParameterDialog which,
                                       const Operands& in);

}  // namespace zorvat::ui
