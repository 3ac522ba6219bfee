#pragma once

#include <cstdint>
#include <string>

#include "base/DateTime.h"

namespace zorvat {

// What an event asks for and when: carried unchanged from the list record through the hot
// stack to the execute stack. In a record of a daily, weekly or monthly list only the time of
// day of `time` counts; in the two stacks `time` is the occurrence's instant.
struct Task {
  DateTime time = 0;
  std::uint8_t command = 0;
  std::string operand1;
  std::string operand2;
  bool query = false;  // ask before running

  friend bool operator==(const Task&, const Task&) = default;
};

}  // namespace zorvat
