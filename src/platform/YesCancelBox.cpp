#include "platform/YesCancelBox.h"

#include <array>
#include <string_view>

#include "shellkit/SystemLibrary.h"

namespace zorvat {
namespace {

// The localized button text of user32's own boxes where the system offers it.
const wchar_t* YesText() noexcept {
  using GetString = const wchar_t*(WINAPI*)(UINT);
  const auto getString =
      shellkit::ProcedureOf<GetString>(GetModuleHandleW(L"user32.dll"), "MB_GetString");
  const wchar_t* text = getString ? getString(IDYES - 1) : nullptr;
  return text ? text : L"&Yes";
}

bool IsOkCancelBox(HWND window) noexcept {
  std::array<wchar_t, 16> className{};
  GetClassNameW(window, className.data(), static_cast<int>(className.size()));
  return std::wstring_view(className.data()) == L"#32770" && GetDlgItem(window, IDOK) &&
         GetDlgItem(window, IDCANCEL) && !GetDlgItem(window, IDNO);
}

LRESULT CALLBACK RelabelOnActivate(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HCBT_ACTIVATE) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (IsOkCancelBox(window)) {
      SetDlgItemTextW(window, IDOK, YesText());
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

YesCancelBox::YesCancelBox()
    : hook_(SetWindowsHookExW(WH_CBT, &RelabelOnActivate, nullptr, GetCurrentThreadId())) {}

}  // namespace zorvat
