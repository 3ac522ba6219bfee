#pragma once

#include <windows.h>

#include "base/Prompts.h"

namespace zorvat::ui {

// A window bound to one object: the object comes in through CreateWindowExW's creation
// parameter and gets every later message through HandleMessage. The dispatch is the error
// boundary, and nothing passes it: an exception ends that message and shows the application's
// error box once (RunAtEntryPoint).
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return window_; }

 protected:
  explicit Window(Prompts& errors) : errors_(errors) {}
  // Derived classes call Destroy() in their destructor, while their handlers still exist.
  virtual ~Window() { Destroy(); }

  // Registers the class once per process (with DefaultProcedure) and creates the window.
  void Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style,
              const RECT& bounds, HWND parent, HMENU menuOrId = nullptr,
              HBRUSH background = nullptr, HICON icon = nullptr);
  void Destroy();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
  }
  Prompts& Errors() const { return errors_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;

  Prompts& errors_;
  HWND window_ = nullptr;
};

}  // namespace zorvat::ui
