#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "base/DateTime.h"
#include "events/Task.h"

namespace zorvat {

// An event about to fall due. `task.time` is the absolute instant of its occurrence.
struct HotEntry {
  Task task;
  bool waiting = false;  // waits for its instant; a free entry keeps its last task
};

// Sixty entries. A freed entry keeps its contents, and the stack remembers what it handed on or
// gave up lately, so an occurrence is never filed twice, whatever has become of its entry.
class HotStack {
 public:
  static constexpr std::size_t kSize = 60;

  enum class AddResult { Filed, Duplicate, Full };

  // Files an occurrence into the lowest free entry unless it is already waiting, was handed on
  // or given up lately, or no entry is free.
  AddResult Add(const Task& task, DateTime now);
  // Frees entry i and remembers its occurrence.
  void Release(std::size_t i, DateTime now);
  // An occurrence missed while nobody looked: a waiting entry of it is freed, and it is
  // remembered as given up. False when it was handed on or given up already.
  bool GiveUp(const Task& task, DateTime now);
  // Gives the waiting entry of an occurrence another instant; false when none waits for it.
  bool Retime(const Task& task, DateTime instant);

  const HotEntry& operator[](std::size_t i) const { return entries_.at(i); }
  bool Knows(const Task& task) const;
  std::size_t Waiting() const { return waiting_; }

 private:
  struct Recent {
    std::uint8_t command;
    std::string operand1;
    std::string operand2;
  };
  void Forget(DateTime now);

  std::array<HotEntry, kSize> entries_{};
  std::multimap<std::int64_t, Recent> recent_;  // by instant in milliseconds
  std::size_t waiting_ = 0;
};

// The same occurrence: instant, command and both operands.
bool SameOccurrence(const Task& a, const Task& b);

}  // namespace zorvat
