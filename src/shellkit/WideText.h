#pragma once

#include <string>
#include <string_view>

#include "base/TextEncoding.h"

namespace zorvat {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide strings are UTF-16");

// UTF-8 inside, UTF-16 at the Win32 call. The lowest Win32 layer holds these, so every layer
// above may use them.
inline std::wstring Widen(std::string_view utf8) {
  const std::u16string wide = Utf8ToUtf16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

inline std::string Narrow(std::wstring_view utf16) {
  return Utf16ToUtf8(std::u16string(utf16.begin(), utf16.end()));
}

}  // namespace zorvat
