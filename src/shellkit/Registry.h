#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace zorvat::shellkit {

// A string value (REG_SZ or REG_EXPAND_SZ, unexpanded) as UTF-8; nothing when the key or the
// value is missing or holds another type.
std::optional<std::string> ReadRegistryString(HKEY root, const std::wstring& subkey,
                                              const std::wstring& name);

// Creates the key when needed; false when the system refuses.
bool WriteRegistryString(HKEY root, const std::wstring& subkey, const std::wstring& name,
                         const std::wstring& value);

}  // namespace zorvat::shellkit
