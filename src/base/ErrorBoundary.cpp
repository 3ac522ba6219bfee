#include "base/ErrorBoundary.h"

#include "base/Error.h"
#include "base/Prompts.h"

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

}  // namespace zorvat
