#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/DateTime.h"

namespace zorvat {

// A task handed on by the hot stack. `Due` is the instant of the occurrence it came from.
struct TWaitingTask {
  std::uint8_t Command = 255;
  std::string Operator1;
  std::string Operator2;
  std::uint8_t Query = 0;
  std::uint8_t Done = 1;  // 1 = free, 0 = waits for the execute timer
  DateTime Due = 0;
};

// Six slots. A freed slot keeps its last task for the waiting-tasks window to show.
class ExecuteStack {
 public:
  static constexpr std::size_t kSize = 6;

  // Fills the lowest free slot; false, and nothing stored, when all six wait.
  bool Add(const TWaitingTask& task);
  // Frees slot i and returns its task: called before anything is shown or done, so that a tick
  // running inside a box opened for this task cannot take it again.
  TWaitingTask Take(std::size_t i);

  const TWaitingTask& operator[](std::size_t i) const { return slots_.at(i); }

 private:
  std::array<TWaitingTask, kSize> slots_{};
};

}  // namespace zorvat
