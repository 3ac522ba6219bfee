#include "platform/MessageBoxPrompts.h"

#include <optional>
#include <utility>

#include "platform/YesCancelBox.h"
#include "shellkit/WideText.h"

namespace zorvat {
namespace {

UINT IconStyle(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Information:
      return MB_ICONINFORMATION;
    case PromptIcon::Confirmation:
      return MB_ICONQUESTION;
    case PromptIcon::Warning:
      return MB_ICONWARNING;
    case PromptIcon::Error:
      return MB_ICONERROR;
    case PromptIcon::None:
      break;
  }
  return 0;
}

UINT ButtonStyle(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::YesNo:
      return MB_YESNO;
    case PromptButtons::YesNoCancel:
      return MB_YESNOCANCEL;
    case PromptButtons::YesCancel:
      // Windows has no Yes/Cancel set: its OK button is relabelled Yes while the box shows.
      return MB_OKCANCEL;
    case PromptButtons::Ok:
      break;
  }
  return MB_OK;
}

PromptAnswer AnswerOf(int result, PromptButtons buttons) {
  switch (result) {
    case IDOK:
      return buttons == PromptButtons::YesCancel ? PromptAnswer::Yes : PromptAnswer::Ok;
    case IDYES:
      return PromptAnswer::Yes;
    case IDNO:
      return PromptAnswer::No;
    default:
      // Cancel, or a box that could not be shown: nothing was agreed to.
      return PromptAnswer::Cancel;
  }
}

// A box raised while the window has a dialog open belongs to the dialog, so that the dialog
// waits for it: owned by the window alone, the dialog stayed usable behind its own error box.
HWND OwnerNow(HWND window) {
  if (window == nullptr) {
    return nullptr;
  }
  const HWND popup = GetLastActivePopup(window);
  return popup != nullptr && IsWindowVisible(popup) && IsWindowEnabled(popup) ? popup : window;
}

}  // namespace

MessageBoxPrompts::MessageBoxPrompts(OwnerWindow owner, MessageBoxFunction show)
    : owner_(std::move(owner)), show_(std::move(show)) {}

UINT MessageBoxPrompts::StyleOf(PromptIcon icon, PromptButtons buttons) {
  return IconStyle(icon) | ButtonStyle(buttons);
}

PromptAnswer MessageBoxPrompts::Show(const std::string& title, const std::string& text,
                                     PromptIcon icon, PromptButtons buttons) {
  const HWND owner = OwnerNow(owner_ ? owner_() : nullptr);
  const std::wstring wideTitle = Widen(title);
  const std::wstring wideText = Widen(text);
  std::optional<YesCancelBox> relabel;
  if (buttons == PromptButtons::YesCancel) {
    relabel.emplace();
  }
  const int result = show_(owner, wideText.c_str(), wideTitle.c_str(), StyleOf(icon, buttons));
  return AnswerOf(result, buttons);
}

}  // namespace zorvat
