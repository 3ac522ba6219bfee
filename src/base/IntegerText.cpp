#include "base/IntegerText.h"

#include "base/Error.h"
#include "base/TextUtil.h"

namespace zorvat {
namespace {

int HexDigit(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

enum class Radix { Any, DecimalOnly };

std::optional<std::int32_t> Convert(std::string_view s, Radix radix) {
  size_t at = 0;
  while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) {
    ++at;
  }
  bool negative = false;
  if (at < s.size() && (s[at] == '+' || s[at] == '-')) {
    negative = s[at] == '-';
    ++at;
  }
  bool hex = false;
  if (radix == Radix::Any) {
    if (at < s.size() && s[at] == '$') {
      hex = true;
      at += 1;
    } else if (s.substr(at, 2) == "0x" || s.substr(at, 2) == "0X") {
      hex = true;
      at += 2;
    }
  }
  if (at == s.size()) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (; at < s.size(); ++at) {
    const int digit = hex ? HexDigit(s[at]) : (IsDigit(s[at]) ? s[at] - '0' : -1);
    if (digit < 0) {
      return std::nullopt;
    }
    value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFull) {
      return std::nullopt;
    }
  }
  if (hex) {
    const auto bits = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  if (negative) {
    if (value > 2147483648ull)
      return std::nullopt;
    return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
  }
  if (value > 2147483647ull)
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> TryParseInteger(std::string_view text) {
  return Convert(text, Radix::Any);
}

std::int32_t ParseInteger(std::string_view text) {
  if (const auto value = TryParseInteger(text)) {
    return *value;
  }
  throw Error("'" + QuotedInMessage(text) + "' is not a valid integer value");
}

std::int32_t ParseSettingsInteger(std::string_view text, std::int32_t fallback) {
  std::optional<std::int32_t> value;
  if (text.size() > 2 && (text.substr(0, 2) == "0x" || text.substr(0, 2) == "0X")) {
    value = Convert("$" + std::string(text.substr(2)), Radix::Any);
  } else if (!text.empty() && text[0] == '$') {
    value = Convert(text, Radix::Any);
  } else {
    value = Convert(text, Radix::DecimalOnly);
  }
  return value.value_or(fallback);
}

}  // namespace zorvat
