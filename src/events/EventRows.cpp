#include "events/EventRows.h"

#include "base/DateTimeText.h"

namespace zorvat {

std::string_view QueryText(bool query) {
  return query ? "Yes" : "No";
}

std::string DescribeEvent(std::uint8_t command, std::string_view operand1,
                          std::string_view operand2) {
  const TaskKind* kind = FindTaskKind(command);
  return kind ? WithOperands(kind->eventText, operand1, operand2) : std::string(kUnknownEventText);
}

std::optional<RowIcon> RowIconFor(std::uint8_t command, std::string_view operand1) {
  const TaskKind* kind = FindTaskKind(command);
  if (kind && kind->fileIcon) {
    return RowIcon::OfFile(std::string(operand1));
  }
  if (kind && kind->icon) {
    return RowIcon::Kind(*kind->icon);
  }
  return std::nullopt;
}

std::string EventTimeText(EventKind kind, DateTime time, const RegionalFormats& formats) {
  return kind == EventKind::General ? FormatDateTime(time, formats) : FormatTime(time, formats);
}

EventRow RowFor(EventKind kind, const EventRecord& record, const RegionalFormats& formats) {
  EventRow row{EventTimeText(kind, record.task.time, formats),
               DescribeEvent(record.task.command, record.task.operand1, record.task.operand2),
               std::string(QueryText(record.task.query)), record.active, RowIcon{}};
  if (auto icon = RowIconFor(record.task.command, record.task.operand1)) {
    row.icon = std::move(*icon);
  }
  return row;
}

bool EventRows::Append(EventRow row) {
  if (rows_.size() == EventList::kCapacity) {
    return false;
  }
  rows_.push_back(std::move(row));
  return true;
}

void EventRows::SetRowIcon(std::size_t row, std::uint8_t command, std::string_view operand1) {
  if (auto icon = RowIconFor(command, operand1)) {
    rows_.at(row).icon = std::move(*icon);
  }
}

}  // namespace zorvat
