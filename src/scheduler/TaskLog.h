#pragma once

#include <cstdint>
#include <string>

#include "base/DateTime.h"

namespace zorvat {

enum class TaskEvent {
  Asked,    // a confirmation was shown
  Ran,      // the action started
  Skipped,  // the answer was No
  Missed,   // its hot entry was found more than a minute late
  Dropped,  // nothing took it: the hot stack stayed full, or its command has no action
};

struct TaskReport {
  TaskEvent what;
  DateTime at;   // the clock when it happened
  DateTime due;  // the occurrence's instant
  std::uint8_t command;
  std::string operator1;
  std::string operator2;
};

// What became of each task, for the waiting-tasks window and the dry run.
class TaskLog {
 public:
  virtual ~TaskLog() = default;
  virtual void Record(const TaskReport& report) = 0;
};

}  // namespace zorvat
