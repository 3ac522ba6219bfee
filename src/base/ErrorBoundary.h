#pragma once

#include <functional>

namespace zorvat {

class Prompts;

// Runs one handler or one step of a sequence: a zorvat::Error ends it and is shown in the
// application's error box, once; false then. Any other exception is a fault and passes on.
bool RunShowingErrors(Prompts& prompts, const std::function<void()>& step);

}  // namespace zorvat
