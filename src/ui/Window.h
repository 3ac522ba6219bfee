#pragma once

#include <windows.h>

#include <optional>

#include "base/Prompts.h"
#include "shellkit/Handles.h"

namespace zorvat::ui {

// One object per window, and one route for its messages. A window of our own class gets every
// message through HandleMessage; a system control the object made (a list view, a button) is
// bound to it too. A parent hands WM_COMMAND, WM_NOTIFY and WM_CONTEXTMENU on to the object of
// the child that sent them (OnReflected), so a control's callbacks run inside the same boundary
// as everything else. The dispatch is the error boundary, and nothing passes it: an exception
// ends that message and shows the application's error box once (RunAtEntryPoint).
//
// Teardown: Destroy() unbinds the object (and removes the control's subclass) while the handle
// still lives, then destroys the handle; a window destroyed with its parent clears the object's
// handle at WM_NCDESTROY, so nothing is ever called on a handle that is gone.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Derived classes call Destroy() in their destructor, while their handlers still exist.
  virtual ~Window() { Destroy(); }

  HWND Handle() const { return window_; }
  // The object bound to `window`; null for a window of nobody's.
  static Window* Of(HWND window);

 protected:
  explicit Window(Prompts& errors) : errors_(errors) {}

  // Registers the class once per process (with the shared procedure) and creates the window.
  void Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style,
              const RECT& bounds, HWND parent, HMENU menuOrId = nullptr,
              HBRUSH background = nullptr, HICON icon = nullptr);
  // A child control of a system class, bound to this object; its parent must be a Window.
  void CreateControl(const wchar_t* className, DWORD exStyle, const wchar_t* text, DWORD style,
                     HWND parent, int id = 0);
  void Destroy();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification of this object's window that its parent received; nothing: the parent's own
  // handling.
  virtual std::optional<LRESULT> OnReflected(UINT /*message*/, WPARAM /*wParam*/,
                                             LPARAM /*lParam*/) {
    return std::nullopt;
  }
  // WM_ERASEBKGND, WM_PAINT and WM_PRINTCLIENT (a transparent child asking for what lies behind
  // it) of a window whose `paint` covers every pixel; nothing for any other message.
  template <typename Paint>
  std::optional<LRESULT> PaintMessage(UINT message, WPARAM wParam, Paint paint) {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        const shellkit::PaintScope scope(window_);
        paint(scope.get());
        return 0;
      }
      case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
      default:
        return std::nullopt;
    }
  }
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
  }
  Prompts& Errors() const { return errors_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  static LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR self) noexcept;
  std::optional<LRESULT> Reflect(UINT message, WPARAM wParam, LPARAM lParam);
  void Bind(HWND window);
  void Unbind();

  Prompts& errors_;
  HWND window_ = nullptr;
  bool control_ = false;  // a system control, bound by a subclass of its own
};

}  // namespace zorvat::ui
