#include "events/EventRows.h"

#include "base/DateTimeText.h"

namespace zorvat {
namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted.append(text);
  quoted += '"';
  return quoted;
}

}  // namespace

std::string_view QueryText(bool query) {
  return query ? "Yes" : "No";
}

std::string DescribeEvent(std::uint8_t command, std::string_view operand1,
                          std::string_view operand2) {
  switch (command) {
    case kCmdMessage:
      return "Message: " + Quoted(operand1);
    case kCmdAlert:
      return "Alert";
    case kCmdAppStart:
      return "AppStart: " + Quoted(operand1) + " (Parameter: " + Quoted(operand2) + ")";
    case kCmdCopyFile:
      return "Copy file, from " + Quoted(operand1) + " to " + Quoted(operand2);
    case kCmdRenameFile:
      return "Rename file, from " + Quoted(operand1) + " to " + Quoted(operand2);
    case kCmdDeleteFile:
      return "Delete file: " + Quoted(operand1);
    case kCmdExitWindows:
      return "Exit Windows";
    case kCmdTurnOff:
      return "Turn off computer";
    case kCmdReboot:
      return "Reboot";
    case kCmdDosMode:
      return "MS-DOS-Mode";
    case kCmdLogOff:
      return "Log off user";
    case kCmdDisplayMode:
      return "Change display resolution in " + std::string(operand1) + " and " +
             std::string(operand2);
    default:
      return "[Unknown]";
  }
}

std::optional<RowIcon> RowIconFor(std::uint8_t command, std::string_view operand1) {
  switch (command) {
    case kCmdMessage:
      return RowIcon::Kind(9);
    case kCmdAlert:
      return RowIcon::Kind(12);
    case kCmdAppStart:
    case kCmdCopyFile:
    case kCmdRenameFile:
    case kCmdDeleteFile:
      return RowIcon::OfFile(std::string(operand1));
    case kCmdExitWindows:
    case kCmdTurnOff:
    case kCmdDisplayMode:
      return RowIcon::Kind(2);
    case kCmdReboot:
      return RowIcon::Kind(8);
    case kCmdDosMode:
      return RowIcon::Kind(3);
    case kCmdLogOff:
      return RowIcon::Kind(4);
    default:
      return std::nullopt;
  }
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
