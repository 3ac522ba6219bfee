#include "base/Error.h"

namespace zorvat {

std::string QuotedInMessage(std::string_view text) {
  constexpr std::size_t kMostCharacters = 100;
  std::string out;
  std::size_t characters = 0;
  for (const char c : text) {
    const bool lead = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (lead && characters++ == kMostCharacters) {
      return out + "\xE2\x80\xA6";  // …
    }
    if (c == '\0') {
      out += "\xE2\x90\x80";  // ␀
    } else {
      out += c;
    }
  }
  return out;
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  // Compared as unsigned bytes, so UTF-8 lead and trail bytes count as "greater", like letters.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

}  // namespace zorvat
