#pragma once

#include <windows.h>

#include <functional>

#include "base/Prompts.h"

namespace zorvat {

// Prompts as Windows message boxes, owned by the main window when there is one, or by the
// dialog it has open.
class MessageBoxPrompts final : public Prompts {
 public:
  using OwnerWindow = std::function<HWND()>;
  using MessageBoxFunction = std::function<int(HWND, const wchar_t*, const wchar_t*, UINT)>;

  explicit MessageBoxPrompts(OwnerWindow owner = {}, MessageBoxFunction show = &MessageBoxW);

  PromptAnswer Show(const std::string& title, const std::string& text, PromptIcon icon,
                    PromptButtons buttons) override;

  // MessageBoxW's style for the icon and the buttons.
  static UINT StyleOf(PromptIcon icon, PromptButtons buttons);

 private:
  OwnerWindow owner_;
  MessageBoxFunction show_;
};

}  // namespace zorvat
