#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "events/EventRecord.h"

namespace zorvat {

// A task handed on by the hot stack; `task.time` is the instant of the occurrence it came from.
struct ExecuteSlot {
  Task task{0, kCmdCleared, {}, {}, false};
  bool waiting = false;  // waits for the execute tick; a free slot keeps its last task
};

// Six slots. A freed slot keeps its last task for the waiting-tasks window to show.
class ExecuteStack {
 public:
  static constexpr std::size_t kSize = 6;

  // Fills the lowest free slot and returns it; nothing, and nothing stored, when all six wait.
  std::optional<std::size_t> Add(const Task& task);
  // Frees slot i and returns its task: called before anything is shown or done, so that a tick
  // running inside a box opened for this task cannot take it again.
  Task Take(std::size_t i);

  const ExecuteSlot& operator[](std::size_t i) const { return slots_.at(i); }
  std::size_t Waiting() const;

 private:
  std::array<ExecuteSlot, kSize> slots_{};
};

}  // namespace zorvat
