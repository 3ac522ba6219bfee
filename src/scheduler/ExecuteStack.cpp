#include "scheduler/ExecuteStack.h"

#include <algorithm>

namespace zorvat {

bool ExecuteStack::Add(const Task& task) {
  const auto free =
      std::find_if(slots_.begin(), slots_.end(), [](const ExecuteSlot& s) { return !s.waiting; });
  if (free == slots_.end()) {
    return false;
  }
  *free = {task, true};
  return true;
}

Task ExecuteStack::Take(std::size_t i) {
  ExecuteSlot& slot = slots_.at(i);
  slot.waiting = false;
  return slot.task;
}

}  // namespace zorvat
