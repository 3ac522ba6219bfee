#pragma once

#include <windows.h>

namespace zorvat::shellkit {

// Registers a window class of this program once; later calls find it registered. Throws
// std::system_error when the system refuses it. The icon must outlive the process's windows
// (a shared one).
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style = 0,
                         HBRUSH background = nullptr, HICON icon = nullptr);

}  // namespace zorvat::shellkit
