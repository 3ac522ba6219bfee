#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "shellkit/WideText.h"

namespace zorvat::ui {

inline void SetText(HWND window, std::string_view utf8) {
  SetWindowTextW(window, Widen(utf8).c_str());
}

inline std::string GetText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

}  // namespace zorvat::ui
