#pragma once

#include <windows.h>

#include "support/ScriptedPrompts.h"
#include "ui/Window.h"

namespace zorvat::ui {

// A plain window of ours to put a control on: it hands the control's notifications on to it.
class ParentWindow final : public Window {
 public:
  ParentWindow(Prompts& errors, int width, int height) : Window(errors) {
    Create(L"ZorvatTestParent", 0, L"", WS_POPUP, RECT{0, 0, width, height}, nullptr);
  }
  ~ParentWindow() override { Destroy(); }
};

}  // namespace zorvat::ui
