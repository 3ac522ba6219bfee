#pragma once

#include <string>
#include <string_view>

namespace zorvat {

// Field `index` (from 0) of a text whose fields are joined by `separator`. Leading fields are
// removed up to and including their separator while one is left, so a missing field reads as
// the last field present, and a text without any separator reads as itself.
std::string ExtractField(std::string_view text, char separator, unsigned index);

}  // namespace zorvat
