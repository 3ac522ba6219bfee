#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvat {

enum class RegistryRoot { LocalMachine, CurrentUser };

// Writes registry strings; the Win32 side writes the real registry, tests record or refuse.
class RegistryWriter {
 public:
  virtual ~RegistryWriter() = default;
  // Creates missing keys; an empty name is the key's default value. False when refused.
  virtual bool WriteString(RegistryRoot root, const std::string& subkey, const std::string& name,
                           const std::string& data) = 0;
};

struct RegistryValue {
  std::string subkey;  // below the root, without a leading separator
  std::string name;    // empty: the key's default value
  std::string data;
};

// What every start writes, in its order: the product key (Directory, AdditionalInfo, Version,
// SettingsFile), then the registration of the list file type with its quoted open command.
std::vector<RegistryValue> ProductRegistryValues(std::string_view programFile,
                                                 std::string_view settingsFile);

// Writes each value under HKEY_LOCAL_MACHINE; a value refused there (no administrator rights, the
// normal case) goes to the same key under HKEY_CURRENT_USER, whose Software\Classes the shell
// merges in. A refusal in both places is not reported: nothing in the program reads these back.
void WriteProductRegistry(RegistryWriter& writer, const std::vector<RegistryValue>& values);

}  // namespace zorvat
