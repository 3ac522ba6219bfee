// Zorvat.exe: a first window that carries the program's icon, version and themed controls until
// the main window takes its place.
#include <windows.h>

#include <commctrl.h>

#include "PictureIds.h"

namespace {

constexpr wchar_t kClassName[] = L"ZorvatStartWindow";

int Scaled(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), 96);
}

HICON LoadProgramIcon(HINSTANCE instance, int metric, UINT dpi) {
  const int size = GetSystemMetricsForDpi(metric, dpi);
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZORVAT), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

void AddControls(HWND window, HINSTANCE instance, UINT dpi) {
  HWND check = CreateWindowExW(0, WC_BUTTONW, L"active", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                               Scaled(12, dpi), Scaled(12, dpi), Scaled(120, dpi), Scaled(20, dpi),
                               window, nullptr, instance, nullptr);
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  HWND progress = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE,
                                  Scaled(12, dpi), Scaled(44, dpi), Scaled(240, dpi),
                                  Scaled(18, dpi), window, nullptr, instance, nullptr);
  SendMessageW(progress, PBM_SETPOS, 60, 0);
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(check, WM_SETFONT, font, FALSE);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_ANIMATE_CLASS};
  InitCommonControlsEx(&controls);

  const UINT dpi = GetDpiForSystem();
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadProgramIcon(instance, SM_CXICON, dpi);
  windowClass.hIconSm = LoadProgramIcon(instance, SM_CXSMICON, dpi);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) {
    return 1;
  }

  const int width = Scaled(648, dpi);
  const int height = Scaled(526, dpi);
  HWND window = CreateWindowExW(0, kClassName, L"Brumsel! Zorvat - NoName.zrl", WS_OVERLAPPEDWINDOW,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) {
    return 1;
  }
  AddControls(window, instance, dpi);
  ShowWindow(window, show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
