#include "shellkit/SystemLibrary.h"

#include <string>

namespace zorvat::shellkit {

Library LoadSystemLibrary(const wchar_t* name, DWORD flags) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) {
    return Library();
  }
  path.resize(length);
  path += L'\\';
  path += name;
  return Library(LoadLibraryExW(path.c_str(), nullptr, flags));
}

}  // namespace zorvat::shellkit
