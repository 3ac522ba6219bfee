#include "settings/ProductRegistry.h"

namespace zorvat {
namespace {

constexpr std::string_view kProductKey = "SOFTWARE\\Kaldmoor Inc.\\Zorvat";
constexpr std::string_view kClasses = "SOFTWARE\\Classes\\";
constexpr std::string_view kListType = "Brumsel! ZorvatList";

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

}  // namespace

std::vector<RegistryValue> ProductRegistryValues(std::string_view programFile,
                                                 std::string_view settingsFile) {
  const std::string product(kProductKey);
  const std::string type = std::string(kClasses) + std::string(kListType);
  return {
      {product, "Directory", std::string(programFile)},
      {product, "AdditionalInfo", "Brumsel! Zorvat"},
      {product, "Version", "v1.2"},
      {product, "SettingsFile", std::string(settingsFile)},
      {std::string(kClasses) + ".zrl", "", std::string(kListType)},
      {type, "", "Brumsel! Zorvat-Liste"},
      {type + "\\DefaultIcon", "", std::string(programFile) + ",1"},
      // Quoted, so that a blank in the path neither breaks the command nor lets another program
      // named by its first word run in Zorvat's place.
      {type + R"(\Shell\open\command)", "", Quoted(programFile) + R"( "%1")"},
  };
}

void WriteProductRegistry(RegistryWriter& writer, const std::vector<RegistryValue>& values) {
  for (const RegistryValue& value : values) {
    if (!writer.WriteString(RegistryRoot::LocalMachine, value.subkey, value.name, value.data)) {
      writer.WriteString(RegistryRoot::CurrentUser, value.subkey, value.name, value.data);
    }
  }
}

}  // namespace zorvat
