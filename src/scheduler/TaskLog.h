#pragma once

#include <cstdint>
#include <string>

#include "base/DateTime.h"
#include "events/Task.h"

namespace zorvat {

enum class TaskEvent {
  Asked,    // a confirmation was shown
  Ran,      // the action started
  Skipped,  // the answer was No
  Missed,   // its hot entry was found more than a minute late
  Dropped,  // nothing took it: the hot stack stayed full, or its command has no action
  // Fell in a span the scheduler did not see (the computer slept, Zorvat was not running):
  Late,      // a reminder, listed to be shown late
  Listed,    // a program start or file task, listed and not run; the user may run it
  NeverRun,  // the end of the session or a display mode, listed and not run
  // Zorvat ended as it was about to start it, with no word that it did: listed, never run again
  // by itself.
  Uncertain,
};

struct TaskReport {
  TaskEvent what{};
  DateTime at{};  // the clock when it happened
  Task task;      // task.time is the occurrence's instant
};

// What became of each task, for the waiting-tasks window and the dry run.
class TaskLog {
 public:
  virtual ~TaskLog() = default;
  virtual void Record(const TaskReport& report) = 0;
};

}  // namespace zorvat
