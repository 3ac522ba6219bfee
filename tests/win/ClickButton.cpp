// Clicks a button of a running program's window, as a user would, for scripts/screenshots:
//   click-button DESKTOP "WINDOW TITLE START" "BUTTON TEXT"
// DESKTOP names the desktop the program runs on (a Wine desktop: explorer /desktop=NAME,...).
// Exits 0 after the click, 1 when the desktop, window or button is not found.
#include <windows.h>

#include <string>

namespace {

struct Search {
  std::wstring text;
  HWND found = nullptr;
};

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (IsWindowVisible(window) && WindowText(window).starts_with(search.text)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindButton(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  if (lstrcmpiW(className, L"Button") == 0 && WindowText(window) == search.text) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    return 2;
  }
  // On the program's desktop, so that its windows count as visible (Wine tells so only there).
  HDESK desktop = OpenDesktopW(argv[1], 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
  if (desktop == nullptr || !SetThreadDesktop(desktop)) {
    return 1;
  }
  Search window{argv[2]};
  EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&window));
  if (window.found == nullptr) {
    return 1;
  }
  Search button{argv[3]};
  EnumChildWindows(window.found, FindButton, reinterpret_cast<LPARAM>(&button));
  if (button.found == nullptr) {
    return 1;
  }
  SendMessageW(button.found, BM_CLICK, 0, 0);
  return 0;
}
