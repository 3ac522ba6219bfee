#include "ui/Window.h"

#include <commctrl.h>

#include <system_error>
#include <utility>

#include "base/ErrorBoundary.h"
#include "shellkit/WindowClasses.h"

namespace zorvat::ui {
namespace {

constexpr wchar_t kObject[] = L"ZorvatWindow";

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

}  // namespace

Window* Window::Of(HWND window) {
  return window ? static_cast<Window*>(GetPropW(window, kObject)) : nullptr;
}

void Window::Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style,
                    const RECT& bounds, HWND parent, HMENU menuOrId, HBRUSH background,
                    HICON icon) {
  shellkit::RegisterWindowClass(className, &Procedure, 0, background, icon);
  const HWND created = CreateWindowExW(exStyle, className, title, style, bounds.left, bounds.top,
                                       bounds.right - bounds.left, bounds.bottom - bounds.top,
                                       parent, menuOrId, GetModuleHandleW(nullptr), this);
  if (!created) {
    ThrowLastError("CreateWindowExW");
  }
}

void Window::CreateControl(const wchar_t* className, DWORD exStyle, const wchar_t* text,
                           DWORD style, HWND parent, int id) {
  const HWND created = CreateWindowExW(exStyle, className, text, style, 0, 0, 0, 0, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleW(nullptr), nullptr);
  if (!created) {
    ThrowLastError("CreateWindowExW");
  }
  control_ = true;
  Bind(created);
  // Only to hear the control's WM_NCDESTROY; everything else goes on to the control.
  SetWindowSubclass(created, &ControlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Window::Bind(HWND window) {
  window_ = window;
  SetPropW(window, kObject, this);
  if (!control_) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
}

// Messages after this go to the default procedures: the object is going away.
void Window::Unbind() {
  if (control_) {
    RemoveWindowSubclass(window_, &ControlProcedure, 0);
  } else {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  }
  RemovePropW(window_, kObject);
}

void Window::Destroy() {
  if (window_) {
    Unbind();
    DestroyWindow(std::exchange(window_, nullptr));
  }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

std::optional<LRESULT> Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND from = nullptr;
  if (message == WM_COMMAND) {
    from = reinterpret_cast<HWND>(lParam);
  } else if (message == WM_NOTIFY) {
    from = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
  } else if (message == WM_CONTEXTMENU) {
    from = reinterpret_cast<HWND>(wParam);
  }
  Window* child = Of(from);
  if (!child || child == this || GetParent(from) != window_) {
    return std::nullopt;
  }
  return child->OnReflected(message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->Bind(window);
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    self->Unbind();
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  LRESULT result = 0;
  RunAtEntryPoint(&self->errors_, [&] {
    const std::optional<LRESULT> reflected = self->Reflect(message, wParam, lParam);
    result = reflected ? *reflected : self->HandleMessage(message, wParam, lParam);
  });
  return result;
}

LRESULT CALLBACK Window::ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) noexcept {
  if (message == WM_NCDESTROY) {
    auto* object = reinterpret_cast<Window*>(self);
    object->Unbind();
    object->window_ = nullptr;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace zorvat::ui
