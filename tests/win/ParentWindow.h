#pragma once

#include <windows.h>

#include "support/ScriptedPrompts.h"
#include "ui/Window.h"

namespace zorvat::ui {

// A plain window of ours to put a control on: it hands the control's notifications on to it,
// and gives its static controls `staticBackground` when one is given.
class ParentWindow final : public Window {
 public:
  ParentWindow(Prompts& errors, int width, int height, HBRUSH staticBackground = nullptr)
      : Window(errors), staticBackground_(staticBackground) {
    Create(L"ZorvatTestParent", 0, L"", WS_POPUP, RECT{0, 0, width, height}, nullptr);
  }
  ~ParentWindow() override { Destroy(); }
  ParentWindow(const ParentWindow&) = delete;
  ParentWindow& operator=(const ParentWindow&) = delete;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CTLCOLORSTATIC && staticBackground_) {
      return reinterpret_cast<LRESULT>(staticBackground_);
    }
    return Default(message, wParam, lParam);
  }

 private:
  HBRUSH staticBackground_;
};

}  // namespace zorvat::ui
