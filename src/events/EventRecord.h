#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "events/EventMessages.h"
#include "events/Task.h"
#include "events/TaskKinds.h"

namespace zorvat {

// One event of a list. The four kinds share this layout.
struct EventRecord {
  Task task;
  bool active = false;
  bool deleted = false;

  friend bool operator==(const EventRecord&, const EventRecord&) = default;
};

// A list file joins the fields of an event with "|" on one line, so an operand holding either
// would come back shifted or cut. Gives the message to show for such an operand, else nothing.
std::optional<std::string> CheckOperand(std::string_view operand);

// Characters the two operands of one event may hold together: a stored value is read back up
// to 2047 characters, and beyond that the cut would shift the query and active fields.
inline constexpr std::size_t kMaxOperandCharacters = 2047 - 9;  // "255|" "|" "|1|1"

// What the operands of an event with this command may hold together: the same limit, less the
// digits the command does not use. A list file may carry that much.
std::size_t StorableOperandCharacters(std::uint8_t command);

// Both operands as the dialogs hand them over: the message to show, else nothing.
std::optional<std::string> CheckOperands(std::string_view operand1, std::string_view operand2,
                                         std::size_t limit = kMaxOperandCharacters);

}  // namespace zorvat
