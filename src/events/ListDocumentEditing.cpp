#include "base/Error.h"
#include "events/ListDocument.h"

namespace zorvat {
namespace {

// By the command's own width: an event read from a file with a short command may hold more than
// the dialogs let anyone type, and must stay editable.
void RequireStorable(const EventRecord& record) {
  if (auto message = CheckOperands(record.task.operand1, record.task.operand2,
                                   StorableOperandCharacters(record.task.command))) {
    throw Error(*message);
  }
}

}  // namespace

bool ListDocument::HasEvent(EventKind kind, std::size_t i) const {
  return i < lists_[kind].Count();
}

bool ListDocument::AppendEvent(EventKind kind, const EventRecord& record,
                               std::string_view queryText) {
  RequireStorable(record);
  EventRow row = RowFor(kind, record, formats_);
  row.queryText = queryText;
  if (!lists_[kind].Append(record)) {
    return false;
  }
  RowsOf(kind).Append(std::move(row));
  dirty_ = true;
  return true;
}

bool ListDocument::ReplaceEvent(EventKind kind, std::size_t i, const EventRecord& record,
                                std::string_view queryText) {
  if (!HasEvent(kind, i)) {
    return false;
  }
  RequireStorable(record);
  lists_[kind].Replace(i, record);
  EventRow& row = RowsOf(kind)[i];
  row.caption = EventTimeText(kind, record.task.time, formats_);
  row.eventText = DescribeEvent(record.task.command, record.task.operand1, record.task.operand2);
  row.queryText = queryText;
  row.checked = record.active;
  RowsOf(kind).SetRowIcon(i, record.task.command, record.task.operand1);
  dirty_ = true;
  return true;
}

// A deleted event keeps its slot and its row until the next read or New; only the writer
// leaves it out.
bool ListDocument::DeleteEvent(EventKind kind, std::size_t i) {
  if (!HasEvent(kind, i)) {
    return false;
  }
  EventRow& row = RowsOf(kind)[i];
  row.eventText = kRemovedEventText;
  row.checked = false;
  if (!lists_[kind][i].deleted) {
    lists_[kind].SetDeleted(i, true);
    dirty_ = true;
  }
  return true;
}

bool ListDocument::UndeleteEvent(EventKind kind, std::size_t i) {
  if (!HasEvent(kind, i)) {
    return false;
  }
  const EventRecord& record = lists_[kind][i];
  EventRow& row = RowsOf(kind)[i];
  row.eventText = DescribeEvent(record.task.command, record.task.operand1, record.task.operand2);
  row.checked = record.active;
  if (record.deleted) {
    lists_[kind].SetDeleted(i, false);
    dirty_ = true;
  }
  return true;
}

bool ListDocument::SetEventActive(EventKind kind, std::size_t i, bool active) {
  if (!HasEvent(kind, i)) {
    return false;
  }
  RowsOf(kind)[i].checked = active;
  if (lists_[kind][i].active != active) {
    lists_[kind].SetActive(i, active);
    dirty_ = true;
  }
  return true;
}

}  // namespace zorvat
