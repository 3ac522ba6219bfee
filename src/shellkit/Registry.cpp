#include "shellkit/Registry.h"

#include <vector>

#include "shellkit/Handles.h"
#include "shellkit/WideText.h"

namespace zorvat::shellkit {

std::optional<std::string> ReadRegistryString(HKEY root, const std::wstring& subkey,
                                              const std::wstring& name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const RegistryKey key(opened);
  DWORD type = 0;
  DWORD bytes = 0;
  LSTATUS status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &bytes);
  // The value may grow between the two calls; ask again until it fits.
  std::vector<wchar_t> text;
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
      return std::nullopt;
    }
    text.assign(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(text.data()), &size);
    if (status == ERROR_SUCCESS) {
      // Stored strings need not end in a null character, or may end in several.
      std::wstring_view value(text.data(), size / sizeof(wchar_t));
      value = value.substr(0, value.find(L'\0'));
      return Narrow(value);
    }
    bytes = size;
  }
  return std::nullopt;
}

bool WriteRegistryString(HKEY root, const std::wstring& subkey, const std::wstring& name,
                         const std::wstring& value) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const RegistryKey key(created);
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace zorvat::shellkit
