#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvat {

// An error whose message is the exact text the user sees in the application's error box.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Title of the application's error box (error icon, one OK button).
inline constexpr std::string_view kApplicationTitle = "Brumsel! Zorvat";

// A user's text quoted in a message: at most 100 characters, longer ones cut with "…", so that a
// damaged file cannot fill the screen; a NUL, which would end the message, shown as "␀".
std::string QuotedInMessage(std::string_view text);

// The text of the application's error box: the message, with a full stop added when the code of
// its last character is greater than that of the full stop.
std::string ErrorBoxText(std::string_view message);

}  // namespace zorvat
