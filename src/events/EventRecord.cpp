#include "events/EventRecord.h"

namespace zorvat {

std::optional<std::string> CheckOperand(std::string_view operand) {
  if (operand.find_first_of("|\r\n") != std::string_view::npos) {
    return std::string(kUnstorableOperandMessage);
  }
  return std::nullopt;
}

namespace {

std::size_t Characters(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8) {
    n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // continuation bytes don't count
  }
  return n;
}

}  // namespace

std::optional<std::string> CheckOperands(std::string_view operand1, std::string_view operand2) {
  if (auto message = CheckOperand(operand1)) {
    return message;
  }
  if (auto message = CheckOperand(operand2)) {
    return message;
  }
  if (Characters(operand1) + Characters(operand2) > kMaxOperandCharacters) {
    return std::string(kOperandsTooLongMessage);
  }
  return std::nullopt;
}

}  // namespace zorvat
