#include "scheduler/WaitingTaskRows.h"

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
    rows[i] = {std::to_string(slot.task.command), slot.task.operand1, slot.task.operand2,
               slot.waiting ? "Doh!" : "Yes"};
  }
  return rows;
}

std::string HotEntryWaitingText(const HotStack& stack, std::size_t entry) {
  return stack[entry].waiting ? "Waiting: Yes" : "Waiting: Doh!";
}

std::array<ListColumn, 5> HotStackColumns() {
  return {{{"Stack", 50},
           {"Time", 83, true},
           {"Command", 70, true},
           {"Operator1", 115},
           {"Operator2", 115}}};
}

std::array<ListColumn, 5> ExecuteStackColumns() {
  return {
      {{"Place", 50}, {"Command", 70, true}, {"Operator1", 140}, {"Operator2", 140}, {"Done", 53}}};
}

}  // namespace zorvat
