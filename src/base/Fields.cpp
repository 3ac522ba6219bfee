#include "base/Fields.h"

namespace zorvat {

std::string ExtractField(std::string_view text, char separator, unsigned index) {
  for (unsigned i = 0; i < index; ++i) {
    const size_t at = text.find(separator);
    if (at == std::string_view::npos) {
      break;
    }
    text.remove_prefix(at + 1);
  }
  return std::string(text.substr(0, text.find(separator)));
}

}  // namespace zorvat
