#include "shellkit/DpiFunctions.h"

#include "shellkit/SystemLibrary.h"

namespace zorvat::shellkit {
namespace {

template <typename Function>
Function User32Function(const char* name) {
  return ProcedureOf<Function>(GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

UINT DpiForSystem() {
  using Function = UINT(WINAPI*)();
  static const Function function = User32Function<Function>("GetDpiForSystem");
  if (function) {
    return function();
  }
  const HDC screen = GetDC(nullptr);
  const int dots = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) {
    ReleaseDC(nullptr, screen);
  }
  return dots > 0 ? static_cast<UINT>(dots) : USER_DEFAULT_SCREEN_DPI;
}

UINT DpiForWindow(HWND window) {
  using Function = UINT(WINAPI*)(HWND);
  static const Function function = User32Function<Function>("GetDpiForWindow");
  const UINT dots = function && window ? function(window) : 0;
  return dots ? dots : DpiForSystem();
}

int SystemMetricForDpi(int index, UINT dpi) {
  using Function = int(WINAPI*)(int, UINT);
  static const Function function = User32Function<Function>("GetSystemMetricsForDpi");
  return function ? function(index, dpi) : GetSystemMetrics(index);
}

BOOL AdjustWindowRectForDpi(RECT* bounds, DWORD style, BOOL menu, DWORD exStyle, UINT dpi) {
  using Function = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const Function function = User32Function<Function>("AdjustWindowRectExForDpi");
  return function ? function(bounds, style, menu, exStyle, dpi)
                  : AdjustWindowRectEx(bounds, style, menu, exStyle);
}

void KeepDialogFromScaling(HWND dialog) {
  using Function = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
  static const Function function = User32Function<Function>("SetDialogDpiChangeBehavior");
  if (function) {
    function(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
  }
}

}  // namespace zorvat::shellkit
