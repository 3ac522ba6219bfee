#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "ui/Window.h"

namespace zorvat::ui {

// A system control (a button, a check box) whose commands its parent hands on to it; it passes
// each, with its id and notification code, to one callback.
class CommandControl final : public Window {
 public:
  using OnCommand = std::function<void(int id, int code, HWND control)>;

  CommandControl(Prompts& errors, const wchar_t* className, const wchar_t* text, DWORD style,
                 HWND parent, int id, OnCommand onCommand)
      : Window(errors), onCommand_(std::move(onCommand)) {
    CreateControl(className, 0, text, style, parent, id);
  }
  ~CommandControl() override { Destroy(); }
  CommandControl(const CommandControl&) = delete;
  CommandControl& operator=(const CommandControl&) = delete;

 protected:
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM) override {
    if (message != WM_COMMAND) {
      return std::nullopt;
    }
    onCommand_(LOWORD(wParam), HIWORD(wParam), Handle());
    return 0;
  }

 private:
  OnCommand onCommand_;
};

}  // namespace zorvat::ui
