#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "events/Task.h"

namespace zorvat {

// The texts of the scheduler's message boxes; each opens with the product line.

// The question asked before a task that wants one (its kind's); nothing for Message and Alert,
// which never ask, and for codes without an action.
std::optional<std::string> ConfirmationText(const Task& task);

// What a Message task shows.
std::string MessageTaskText(std::string_view message);

// The box an alert shows in the dialog alert mode.
std::string AlertReminderText();

}  // namespace zorvat
