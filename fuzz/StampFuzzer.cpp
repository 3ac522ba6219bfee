// The stamp of the last run under random files: no crash, no sanitizer report, no time that
// grows with the square of its lines. A stamp that reads keeps only occurrences at or after its
// mark, each once and never both started and intended, and reads back the same once written;
// the start looks back from it over a list without a report.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/Clock.h"
#include "events/EventRecord.h"
#include "scheduler/HandledStamp.h"
#include "scheduler/NullPorts.h"
#include "scheduler/Scheduler.h"
#include "scheduler/TaskSet.h"

namespace {

using namespace zorvat;

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

void StartFrom(const HandledStamp& stamp) {
  EventLists lists;
  lists[EventKind::Daily].Append(
      {{EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a", "b", false}, true, false});
  lists[EventKind::General].Append(
      {{EncodeDateTime({2024, 3, 1}, {9, 0, 0, 0}), kCmdMessage, "Tea", "", false}, true, false});
  LiveSettings settings;
  ManualClock clock(EncodeDateTime({2024, 3, 8}, {12, 0, 0, 0}));
  YesPrompts prompts;
  NullShell shell;
  NullPlayer sound;
  NullTimers timers;
  Scheduler scheduler(lists, settings, {clock, prompts, shell, sound, timers, [] { return 0; }});
  scheduler.SetActive(true);
  scheduler.CatchUpSince(stamp);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<HandledStamp> stamp = ParseStamp(text);
  if (!stamp) {
    return 0;
  }
  Check(stamp->ran.size() + stamp->intended.size() <= kMostStampedTasks);
  TaskSet ran;
  for (const Task& task : stamp->ran) {
    Check(ToMilliseconds(task.time) >= stamp->handledUpTo);
    Check(ran.Insert(task));
  }
  for (const Task& task : stamp->intended) {
    Check(ToMilliseconds(task.time) >= stamp->handledUpTo);
    Check(!ran.Contains(task));
  }
  Check(ParseStamp(EncodeStamp(*stamp)) == stamp);
  StartFrom(*stamp);
  return 0;
}
