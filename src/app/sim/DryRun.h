#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "events/EventLists.h"
#include "scheduler/AlertPlayback.h"
#include "scheduler/TaskLog.h"
#include "scheduler/VirtualTimers.h"
#include "settings/LiveSettings.h"

namespace zorvat::sim {

// A span of UTC milliseconds.
struct Between {
  std::int64_t fromMs;
  std::int64_t toMs;
};

struct DryRunSpan {
  std::int64_t fromMs;  // UTC
  std::int64_t toMs;
  bool active = true;
  std::uint32_t jitterMs = 0;
  LocalTimeOf localTime;
  std::optional<Between> asleep;  // the computer sleeps: no tick comes
  std::optional<Between> closed;  // Zorvat ends at its start and starts again at its end
  bool killed = false;            // ends without a word, rather than as on an exit
};

// "2024-03-01 10:05:30.000\tran\t5\tnotes.txt\t"; an event missed while asleep or closed ends
// with its due time: "\tdue 2024-03-01 10:05:30.000".
std::string TaskLine(const TaskReport& report);

// Runs the real scheduler over the span on virtual timers and writes one line per task event.
// Nothing is carried out: the shell records, the player plays every file for one second, and
// every question gets `answerYes`. Error boxes go to `errors`. Events missed while asleep or
// closed are printed as "caught up" (reminders), "listed" (may be run by hand) or "never run".
void DryRun(const EventLists& lists, const LiveSettings& settings, const AlertModeReader& alertMode,
            const DryRunSpan& span, bool answerYes, std::ostream& out, std::ostream& errors);

}  // namespace zorvat::sim
