#include "ui/KeyboardRoute.h"

namespace zorvat::ui {
namespace {

constexpr wchar_t kModeless[] = L"ZorvatModeless";

// Del inside the command line's edit box stays a key of the edit box.
bool TranslateShortcut(const MSG& message, HWND main, HACCEL shortcuts) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_DELETE) {
    wchar_t className[16] = {};
    GetClassNameW(message.hwnd, className, 16);
    if (lstrcmpiW(className, L"Edit") == 0) {
      return false;
    }
  }
  return shortcuts && TranslateAcceleratorW(main, shortcuts, const_cast<MSG*>(&message)) != 0;
}

}  // namespace

bool RouteKeys(const MSG& message, HWND main, HACCEL shortcuts) {
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (!root) {
    return false;
  }
  if (root == main) {
    return TranslateShortcut(message, main, shortcuts) ||
           IsDialogMessageW(main, const_cast<MSG*>(&message));
  }
  if (GetPropW(root, kModeless)) {
    return IsDialogMessageW(root, const_cast<MSG*>(&message));
  }
  return false;
}

void MarkModeless(HWND window) {
  SetPropW(window, kModeless, reinterpret_cast<HANDLE>(1));
}

}  // namespace zorvat::ui
