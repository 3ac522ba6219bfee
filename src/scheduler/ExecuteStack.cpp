#include "scheduler/ExecuteStack.h"

#include <algorithm>

namespace zorvat {

bool ExecuteStack::Add(const TWaitingTask& task) {
  const auto free =
      std::find_if(slots_.begin(), slots_.end(), [](const TWaitingTask& s) { return s.Done == 1; });
  if (free == slots_.end()) {
    return false;
  }
  *free = task;
  free->Done = 0;
  return true;
}

TWaitingTask ExecuteStack::Take(std::size_t i) {
  TWaitingTask& slot = slots_.at(i);
  slot.Done = 1;
  return slot;
}

}  // namespace zorvat
