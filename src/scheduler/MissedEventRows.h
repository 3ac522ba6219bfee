#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/RegionalFormats.h"
#include "events/ListHeadings.h"
#include "scheduler/Occurrences.h"

namespace zorvat {

// A row of the "Missed events" window: when it was due last, its list, what it does, how often
// it was missed and what became of it.
struct MissedEventRow {
  std::string due;
  std::string list;
  std::string event;
  std::string count;
  std::string state;
  friend bool operator==(const MissedEventRow&, const MissedEventRow&) = default;
};

std::vector<MissedEventRow> MissedEventRows(const MissedEvents& missed,
                                            const RegionalFormats& formats);
std::span<const RowColumn<MissedEventRow>> MissedEventColumns();

// The button that runs a row late: "Play" for an alert, "Run" for a program start or file task
// not run yet; nothing for any other row.
std::optional<std::string> RunLateButtonText(const MissedEvent& event);

// What the waiting-tasks window says while missed events are listed: "2 missed events";
// empty when there are none.
std::string MissedEventsNote(const MissedEvents& missed);

}  // namespace zorvat
