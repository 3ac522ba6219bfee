#include "base/ProductText.h"

#include "base/Error.h"

namespace zorvat {

std::string ProductMessage(std::string_view body) {
  std::string text(kApplicationTitle);
  text += "\n\n";
  text += body;
  return text;
}

}  // namespace zorvat
