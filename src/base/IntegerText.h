#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zorvat {

// Numbers read out of list files: leading blanks, an optional sign, decimal digits or hex after
// "$", "0x" or "0X"; the value fits 32 bits signed, hex up to FFFFFFFF wraps to negative.
std::optional<std::int32_t> TryParseInteger(std::string_view text);
// Throws zorvat::Error "'%s' is not a valid integer value".
std::int32_t ParseInteger(std::string_view text);

// Numbers of the settings store: hex after a leading "0x"/"0X" (text longer than two characters)
// or "$", otherwise signed decimal; fallback when the text does not convert.
std::int32_t ParseSettingsInteger(std::string_view text, std::int32_t fallback);

}  // namespace zorvat
