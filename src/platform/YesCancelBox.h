#pragma once

#include <windows.h>

#include "shellkit/Handles.h"

namespace zorvat {

// While it lives, an OK/Cancel message box that this thread shows carries the system's "Yes"
// text on its OK button, which gives the Yes/Cancel question that MessageBoxW lacks.
class YesCancelBox {
 public:
  YesCancelBox();

 private:
  shellkit::UniqueHandle<HHOOK, &UnhookWindowsHookEx> hook_;
};

}  // namespace zorvat
