#pragma once

#include <string>

namespace zorvat {

// Asked (Yes, No) every time the program is about to close.
std::string ExitQuestion();

// Asked (Yes, No, Cancel) before the exit question when the list holds unsaved changes: Yes
// saves first, No goes on to the exit question, Cancel keeps the program running.
std::string UnsavedChangesQuestion();

}  // namespace zorvat
