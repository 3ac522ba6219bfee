#include "ui/Window.h"

#include <string>
#include <system_error>
#include <utility>

#include "base/ErrorBoundary.h"
#include "ui/WindowClass.h"

namespace zorvat::ui {

void Window::Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style,
                    const RECT& bounds, HWND parent, HMENU menuOrId, HBRUSH background,
                    HICON icon) {
  RegisterWindowClass(className, &Procedure, 0, background, icon);
  const HWND created = CreateWindowExW(exStyle, className, title, style, bounds.left, bounds.top,
                                       bounds.right - bounds.left, bounds.bottom - bounds.top,
                                       parent, menuOrId, GetModuleHandleW(nullptr), this);
  if (!created) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "CreateWindowExW");
  }
}

void Window::Destroy() {
  if (window_) {
    // Messages of the destruction go to the default procedure: the object is going away.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(window_, nullptr));
  }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  LRESULT result = 0;
  RunAtEntryPoint(&self->errors_, [&] { result = self->HandleMessage(message, wParam, lParam); });
  return result;
}

}  // namespace zorvat::ui
