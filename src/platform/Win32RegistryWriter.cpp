#include "platform/Win32RegistryWriter.h"

#include <windows.h>

#include "shellkit/Registry.h"
#include "shellkit/WideText.h"

namespace zorvat {

bool Win32RegistryWriter::WriteString(RegistryRoot root, const std::string& subkey,
                                      const std::string& name, const std::string& data) {
  const HKEY hive = root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  return shellkit::WriteRegistryString(hive, Widen(subkey), Widen(name), Widen(data));
}

}  // namespace zorvat
