#include "scheduler/ExecuteStack.h"

#include <algorithm>

namespace zorvat {

std::optional<std::size_t> ExecuteStack::Add(const Task& task) {
  const auto free =
      std::find_if(slots_.begin(), slots_.end(), [](const ExecuteSlot& s) { return !s.waiting; });
  if (free == slots_.end()) {
    return std::nullopt;
  }
  *free = {task, true};
  return static_cast<std::size_t>(free - slots_.begin());
}

std::size_t ExecuteStack::Waiting() const {
  return static_cast<std::size_t>(
      std::count_if(slots_.begin(), slots_.end(), [](const ExecuteSlot& s) { return s.waiting; }));
}

Task ExecuteStack::Take(std::size_t i) {
  ExecuteSlot& slot = slots_.at(i);
  slot.waiting = false;
  return slot.task;
}

}  // namespace zorvat
