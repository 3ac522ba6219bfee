#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/ProductRegistry.h"

namespace zorvat {
namespace {

// Records every write; refuses the roots it is told to.
class RecordingRegistry : public RegistryWriter {
 public:
  struct Write {
    RegistryRoot root;
    std::string subkey, name, data;
    bool operator==(const Write&) const = default;
  };

  bool WriteString(RegistryRoot root, const std::string& subkey, const std::string& name,
                   const std::string& data) override {
    const bool refused = root == RegistryRoot::LocalMachine ? refuseMachine : refuseUser;
    if (!refused) {
      writes.push_back({root, subkey, name, data});
    }
    ++attempts;
    return !refused;
  }

  bool refuseMachine = false;
  bool refuseUser = false;
  std::vector<Write> writes;
  int attempts = 0;
};

constexpr const char* kProgram = "C:\\Program Files\\Brumsel Zorvat\\Zorvat.exe";
constexpr const char* kSettings = "C:\\Program Files\\Brumsel Zorvat\\Zorvat.ini";

TEST(ProductRegistry, ProductKeyThenFileTypeWithTheOpenCommandQuoted) {
  const std::string type = "SOFTWARE\\Classes\\Brumsel! ZorvatList";
  const std::string product = "SOFTWARE\\Kaldmoor Inc.\\Zorvat";
  const std::vector<std::vector<std::string>> expected = {
      {product, "Directory", kProgram},
      {product, "AdditionalInfo", "Brumsel! Zorvat"},
      {product, "Version", "v1.2"},
      {product, "SettingsFile", kSettings},
      {"SOFTWARE\\Classes\\.zrl", "", "Brumsel! ZorvatList"},
      {type, "", "Brumsel! Zorvat-Liste"},
      {type + "\\DefaultIcon", "", std::string(kProgram) + ",1"},
      {type + "\\Shell\\open\\command", "",
       "\"C:\\Program Files\\Brumsel Zorvat\\Zorvat.exe\" \"%1\""},
  };
  std::vector<std::vector<std::string>> values;
  for (const RegistryValue& v : ProductRegistryValues(kProgram, kSettings)) {
    values.push_back({v.subkey, v.name, v.data});
  }
  EXPECT_EQ(values, expected);
}

TEST(ProductRegistry, AValueRefusedForTheMachineGoesToTheUserAndNothingIsReported) {
  const auto values = ProductRegistryValues(kProgram, kSettings);
  RecordingRegistry registry;
  registry.refuseMachine = true;
  WriteProductRegistry(registry, values);
  ASSERT_EQ(registry.writes.size(), values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(registry.writes[i],
              (RecordingRegistry::Write{RegistryRoot::CurrentUser, values[i].subkey, values[i].name,
                                        values[i].data}));
  }

  RecordingRegistry admin;
  WriteProductRegistry(admin, values);
  EXPECT_EQ(admin.attempts, static_cast<int>(values.size()));  // no copy for the user
  EXPECT_EQ(admin.writes.front().root, RegistryRoot::LocalMachine);

  RecordingRegistry locked;
  locked.refuseMachine = locked.refuseUser = true;
  EXPECT_NO_THROW(WriteProductRegistry(locked, values));
  EXPECT_EQ(locked.attempts, static_cast<int>(2 * values.size()));  // every value was tried
}

}  // namespace
}  // namespace zorvat
