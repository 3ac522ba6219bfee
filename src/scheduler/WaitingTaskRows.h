#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "base/RegionalFormats.h"
#include "events/ListHeadings.h"
#include "scheduler/ExecuteStack.h"
#include "scheduler/HotStack.h"

namespace zorvat {

// A row of the hot stack's page: "#i", then the entry's time of day, command and operands
// while it waits, else empty cells.
struct HotStackRow {
  std::string place;
  std::string time;
  std::string command;
  std::string operand1;
  std::string operand2;
  friend bool operator==(const HotStackRow&, const HotStackRow&) = default;
};

// A row of the execute stack's page. A free slot still shows its last task; "Done" says "Yes"
// for a free slot, "Doh!" for one that waits to run.
struct ExecuteStackRow {
  std::string place;  // the "Place" column has always stayed empty
  std::string command;
  std::string operand1;
  std::string operand2;
  std::string done;
  friend bool operator==(const ExecuteStackRow&, const ExecuteStackRow&) = default;
};

std::array<HotStackRow, HotStack::kSize> HotStackRows(const HotStack& stack,
                                                      const RegionalFormats& formats);
std::array<ExecuteStackRow, ExecuteStack::kSize> ExecuteStackRows(const ExecuteStack& stack);

// Said when a hot stack row is clicked, from the entry as it is now.
std::string HotEntryWaitingText(const HotStack& stack, std::size_t entry);

std::span<const RowColumn<HotStackRow>> HotStackColumns();
std::span<const RowColumn<ExecuteStackRow>> ExecuteStackColumns();

}  // namespace zorvat
