#pragma once

#include <string>
#include <string_view>

namespace zorvat {

// The program's own message boxes open with the product line and an empty line.
std::string ProductMessage(std::string_view body);

}  // namespace zorvat
