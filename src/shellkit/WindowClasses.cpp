#include "shellkit/WindowClasses.h"

#include <system_error>

namespace zorvat::shellkit {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style, HBRUSH background,
                         HICON icon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.hIcon = icon;
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass)) {
    const DWORD error = GetLastError();
    if (error != ERROR_CLASS_ALREADY_EXISTS) {
      throw std::system_error(static_cast<int>(error), std::system_category(), "RegisterClassExW");
    }
  }
}

}  // namespace zorvat::shellkit
