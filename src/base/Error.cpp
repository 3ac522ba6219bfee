#include "base/Error.h"

namespace zorvat {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  // Compared as unsigned bytes, so UTF-8 lead and trail bytes count as "greater", like letters.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

}  // namespace zorvat
