#include "ui/WindowClass.h"

#include <system_error>

namespace zorvat::ui {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style, HBRUSH background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "RegisterClassExW");
  }
}

HWND CheckedWindow(HWND window, const char* what) {
  if (!window) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
  }
  return window;
}

}  // namespace zorvat::ui
