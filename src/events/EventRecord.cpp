#include "events/EventRecord.h"

namespace zorvat {

std::optional<std::string> CheckOperand(std::string_view operand) {
  if (operand.find_first_of("|\r\n") != std::string_view::npos) {
    return std::string(kUnstorableOperandMessage);
  }
  return std::nullopt;
}

}  // namespace zorvat
