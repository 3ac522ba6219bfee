#include "events/EventRecord.h"

#include "base/TextEncoding.h"

namespace zorvat {

std::optional<std::string> CheckOperand(std::string_view operand) {
  if (operand.find_first_of("|\r\n") != std::string_view::npos) {
    return UnstorableOperandMessage();
  }
  return std::nullopt;
}

std::size_t StorableOperandCharacters(std::uint8_t command) {
  const std::size_t unusedDigits = command < 10 ? 2 : command < 100 ? 1 : 0;
  return kMaxOperandCharacters + unusedDigits;
}

std::optional<std::string> CheckOperands(std::string_view operand1, std::string_view operand2,
                                         std::size_t limit) {
  if (auto message = CheckOperand(operand1)) {
    return message;
  }
  if (auto message = CheckOperand(operand2)) {
    return message;
  }
  if (CountCharacters(operand1) + CountCharacters(operand2) > limit) {
    return OperandsTooLongMessage();
  }
  return std::nullopt;
}

}  // namespace zorvat
