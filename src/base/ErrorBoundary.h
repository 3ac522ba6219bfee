#pragma once

#include <exception>
#include <functional>

#include "base/Error.h"

namespace zorvat {

class Prompts;

// Runs one handler or one step of a sequence: a zorvat::Error ends it and is shown in the
// application's error box, once; false then. Any other exception is a fault and passes on.
bool RunShowingErrors(Prompts& prompts, const std::function<void()>& step);

// The same for one tick of a timer whose ticks go on while its error box is open (a box's own
// message loop delivers them): while `errorBoxOpen`, the tick is skipped, so one failure shows
// one box rather than a new one at every tick.
bool RunTickShowingErrors(Prompts& prompts, bool& errorBoxOpen, const std::function<void()>& tick);

namespace detail {
void ShowCaught(Prompts* errors, const char* text) noexcept;
}  // namespace detail

// The top of an entry point the system calls (a window, dialog or hook procedure): nothing
// passes it. A zorvat::Error is shown in the error box as everywhere; any other exception is a
// fault, shown there too with its text, once. The handler ends where it threw and false comes
// back; the caller answers the message as handled and the program goes on. Without `errors`
// (a procedure with no window of ours to show a box), the handler ends silently.
template <typename Handler>
bool RunAtEntryPoint(Prompts* errors, Handler&& handler) noexcept {
  try {
    handler();
    return true;
  } catch (const Error& error) {
    detail::ShowCaught(errors, error.what());
  } catch (const std::exception& fault) {
    detail::ShowCaught(errors, fault.what());
  } catch (...) {
    detail::ShowCaught(errors, "Unknown exception");
  }
  return false;
}

}  // namespace zorvat
