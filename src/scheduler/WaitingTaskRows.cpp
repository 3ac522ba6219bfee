#include "scheduler/WaitingTaskRows.h"

#include <array>

#include "base/DateTimeText.h"

namespace zorvat {

std::array<HotStackRow, HotStack::kSize> HotStackRows(const HotStack& stack,
                                                      const RegionalFormats& formats) {
  std::array<HotStackRow, HotStack::kSize> rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    HotStackRow& row = rows[i];
    row.place = "#" + std::to_string(i);
    const HotEntry& entry = stack[i];
    if (entry.waiting) {
      row.time = FormatTime(entry.task.time, formats);
      row.command = std::to_string(entry.task.command);
      row.operand1 = entry.task.operand1;
      row.operand2 = entry.task.operand2;
    }
  }
  return rows;
}

std::array<ExecuteStackRow, ExecuteStack::kSize> ExecuteStackRows(const ExecuteStack& stack) {
  std::array<ExecuteStackRow, ExecuteStack::kSize> rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ExecuteSlot& slot = stack[i];
    rows[i] = {"", std::to_string(slot.task.command), slot.task.operand1, slot.task.operand2,
               slot.waiting ? "Doh!" : "Yes"};
  }
  return rows;
}

std::string HotEntryWaitingText(const HotStack& stack, std::size_t entry) {
  return stack[entry].waiting ? "Waiting: Yes" : "Waiting: Doh!";
}

std::span<const RowColumn<HotStackRow>> HotStackColumns() {
  using Row = HotStackRow;
  static constexpr auto kColumns = std::to_array<RowColumn<Row>>({
      {{"Stack", 50}, &Row::place},
      {{"Time", 83, true}, &Row::time},
      {{"Command", 70, true}, &Row::command},
      {{"Operator1", 115}, &Row::operand1},
      {{"Operator2", 115}, &Row::operand2},
  });
  return kColumns;
}

std::span<const RowColumn<ExecuteStackRow>> ExecuteStackColumns() {
  using Row = ExecuteStackRow;
  static constexpr auto kColumns = std::to_array<RowColumn<Row>>({
      {{"Place", 50}, &Row::place},
      {{"Command", 70, true}, &Row::command},
      {{"Operator1", 140}, &Row::operand1},
      {{"Operator2", 140}, &Row::operand2},
      {{"Done", 53}, &Row::done},
  });
  return kColumns;
}

}  // namespace zorvat
