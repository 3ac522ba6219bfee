#pragma once

#include <string>

namespace zorvat::sim {

// A text as one column of a tab-separated line: tabs and line breaks inside it become blanks.
inline std::string Column(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') {
      c = ' ';
    }
  }
  return text;
}

}  // namespace zorvat::sim
