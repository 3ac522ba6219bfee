#include "base/ErrorBoundary.h"

#include "base/Error.h"
#include "base/Prompts.h"
#include "base/ScopeGuard.h"

namespace zorvat {

bool RunShowingErrors(Prompts& prompts, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const Error& error) {
    prompts.ShowError(error.what());
    return false;
  }
}

bool RunTickShowingErrors(Prompts& prompts, bool& errorBoxOpen, const std::function<void()>& tick) {
  if (errorBoxOpen) {
    return false;
  }
  try {
    tick();
    return true;
  } catch (const Error& error) {
    const auto open = FlagForScope(errorBoxOpen);
    prompts.ShowError(error.what());
    return false;
  }
}

namespace detail {

void ShowCaught(Prompts* errors, const char* text) noexcept {
  if (!errors) {
    return;
  }
  try {
    errors->ShowError(text);
  } catch (...) {
    // The box itself failed (no memory left to build it): there is nothing to show it with.
  }
}

}  // namespace detail

}  // namespace zorvat
