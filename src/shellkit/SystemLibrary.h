#pragma once

#include <windows.h>

#include "shellkit/Handles.h"

namespace zorvat::shellkit {

// A library of the system folder by its full path, so no folder of the search path is asked
// first; LOAD_LIBRARY_SEARCH_SYSTEM32 would do the same, but Windows 7 without KB2533623
// refuses it. Empty when it cannot be loaded.
Library LoadSystemLibrary(const wchar_t* name, DWORD flags = 0);

// The function `name` of `module` as a `Function`; null when either is missing.
template <typename Function>
Function ProcedureOf(HMODULE module, const char* name) {
  // Through a plain function type, as a cast between unrelated function types warns.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(module ? GetProcAddress(module, name) : nullptr));
}

}  // namespace zorvat::shellkit
