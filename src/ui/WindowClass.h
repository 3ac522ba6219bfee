#pragma once

#include <windows.h>

#include "shellkit/Handles.h"
#include "shellkit/WindowClasses.h"

namespace zorvat::ui {

using OwnedWindow = shellkit::UniqueHandle<HWND, &DestroyWindow>;

using shellkit::RegisterWindowClass;

// The object a window was created for: stored at WM_NCCREATE from the creation parameter, read
// back for every later message (null before WM_NCCREATE).
template <typename Object>
Object* BoundObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<Object*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Throws std::system_error with the last Win32 error when `window` is null.
HWND CheckedWindow(HWND window, const char* what);

}  // namespace zorvat::ui
