#pragma once

#include <functional>

namespace zorvat {

class Prompts;

// Runs one handler or one step of a sequence: a zorvat::Error ends it and is shown in the
// application's error box, once; false then. Any other exception is a fault and passes on.
bool RunShowingErrors(Prompts& prompts, const std::function<void()>& step);

// The same for one tick of a timer whose ticks go on while its error box is open (a box's own
// message loop delivers them): while `errorBoxOpen`, the tick is skipped, so one failure shows
// one box rather than a new one at every tick.
bool RunTickShowingErrors(Prompts& prompts, bool& errorBoxOpen, const std::function<void()>& tick);

}  // namespace zorvat
