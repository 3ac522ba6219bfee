#pragma once

#include <windows.h>

namespace zorvat::shellkit {

// The per-monitor DPI functions of Windows 10 1607 and later, looked up at run time so that the
// program still loads on older Windows, where the system's DPI and the plain functions stand in.
UINT DpiForWindow(HWND window);
UINT DpiForSystem();
int SystemMetricForDpi(int index, UINT dpi);
BOOL AdjustWindowRectForDpi(RECT* bounds, DWORD style, BOOL menu, DWORD exStyle, UINT dpi);
// Keeps the dialog manager of Windows 10 1703 and later from scaling the dialog's size, font and
// controls when its monitor's scale changes, for a dialog that does that itself.
void KeepDialogFromScaling(HWND dialog);

}  // namespace zorvat::shellkit
