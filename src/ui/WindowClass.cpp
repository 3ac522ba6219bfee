#include "ui/WindowClass.h"

#include <system_error>

namespace zorvat::ui {

HWND CheckedWindow(HWND window, const char* what) {
  if (!window) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
  }
  return window;
}

}  // namespace zorvat::ui
