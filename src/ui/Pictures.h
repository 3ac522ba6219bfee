#pragma once

#include <windows.h>

#include "shellkit/DpiFunctions.h"
#include "shellkit/Handles.h"

namespace zorvat::ui {

// The sizes the system draws icons at on a monitor of `dpi`: 32 and 16 pixels at 96 dpi.
inline int IconSize(int dpi) {
  return shellkit::SystemMetricForDpi(SM_CXICON, static_cast<UINT>(dpi));
}
inline int SmallIconSize(int dpi) {
  return shellkit::SystemMetricForDpi(SM_CXSMICON, static_cast<UINT>(dpi));
}

// An icon resource of `module` at `size` pixels square: the image of that size when the
// resource has one, else one scaled to it. Empty when the module lacks it.
inline shellkit::Icon LoadIconResource(HMODULE module, int id, int size) {
  return shellkit::Icon(static_cast<HICON>(
      LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// The program's own pictures; empty when it was built without them.
inline shellkit::Icon LoadProgramIcon(int id, int size) {
  return LoadIconResource(GetModuleHandleW(nullptr), id, size);
}
inline shellkit::Bitmap LoadProgramBitmap(int id) {
  return shellkit::Bitmap(static_cast<HBITMAP>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace zorvat::ui
