#pragma once

#include <string>
#include <string_view>

namespace zorvat {

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

inline char ToLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Blanks as the conversions see them: space and tab.
std::string_view TrimBlanks(std::string_view s);

bool EqualsNoCase(std::string_view a, std::string_view b);  // ASCII letters only
bool StartsWithNoCase(std::string_view s, std::string_view prefix);
// A name shown as it is in a menu item: every "&" doubled, so none underlines the next character.
std::string MenuItemName(std::string_view name);

}  // namespace zorvat
