#pragma once

#include <windows.h>

namespace zorvat::ui {

// A window of this outer size in the middle of the primary screen.
inline RECT CentredOnScreen(int width, int height) {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return RECT{left, top, left + width, top + height};
}

}  // namespace zorvat::ui
