#include "scheduler/MissedEventRows.h"

#include <array>

#include "base/DateTimeText.h"
#include "events/EventRecord.h"
#include "events/EventRows.h"

namespace zorvat {
namespace {

std::string ListName(EventKind kind) {
  switch (kind) {
    case EventKind::General:
      return "Single";
    case EventKind::Daily:
      return "Daily";
    case EventKind::Weekly:
      return "Weekly";
    case EventKind::Monthly:
      return "Monthly";
  }
  return {};
}

std::string StateText(const MissedEvent& event) {
  if (event.uncertain && !event.ran) {
    return "May not have run";
  }
  switch (LateKindOf(event.task.command)) {
    case LateKind::Reminder:
      return "Shown late";
    case LateKind::Runnable:
      return event.ran ? "Run late" : "Not run";
    case LateKind::Never:
      break;
  }
  return "Cannot run late";
}

std::string Times(int count) {
  return count == 1 ? "once" : std::to_string(count) + " times";
}

}  // namespace

std::vector<MissedEventRow> MissedEventRows(const MissedEvents& missed,
                                            const RegionalFormats& formats) {
  std::vector<MissedEventRow> rows;
  for (const MissedEvent& event : missed.Rows()) {
    const Task& task = event.task;
    rows.push_back({FormatDate(task.time, formats) + " " + FormatTime(task.time, formats),
                    ListName(event.kind),
                    task.command == kCmdAlert
                        ? "Alert: \"" + task.operand1 + "\""
                        : DescribeEvent(task.command, task.operand1, task.operand2),
                    Times(event.count), StateText(event)});
  }
  return rows;
}

std::span<const RowColumn<MissedEventRow>> MissedEventColumns() {
  using Row = MissedEventRow;
  static constexpr auto kColumns = std::to_array<RowColumn<Row>>({
      {{"Due", 135}, &Row::due},
      {{"List", 60}, &Row::list},
      {{"Event", 185}, &Row::event},
      {{"Missed", 55}, &Row::count},
      {{"State", 95}, &Row::state},
  });
  return kColumns;
}

std::optional<std::string> RunLateButtonText(const MissedEvent& event) {
  if (event.task.command == kCmdAlert) {
    return "Play";
  }
  if (LateKindOf(event.task.command) == LateKind::Runnable && !event.ran) {
    return "Run";
  }
  return std::nullopt;
}

std::string MissedEventsNote(const MissedEvents& missed) {
  const std::size_t count = missed.Rows().size();
  if (count == 0) {
    return {};
  }
  return count == 1 ? "1 missed event" : std::to_string(count) + " missed events";
}

}  // namespace zorvat
