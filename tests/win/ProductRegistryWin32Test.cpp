#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Win32RegistryWriter.h"
#include "settings/ProductRegistry.h"
#include "shellkit/Registry.h"
#include "shellkit/WideText.h"

namespace zorvat {
namespace {

using shellkit::ReadRegistryString;

// The real registry with the machine's keys refused, as for a user without administrator rights.
class NoAdministratorRights : public RegistryWriter {
 public:
  bool WriteString(RegistryRoot root, const std::string& subkey, const std::string& name,
                   const std::string& data) override {
    return root == RegistryRoot::CurrentUser && real.WriteString(root, subkey, name, data);
  }
  Win32RegistryWriter real;
};

void RemoveProductKeys(HKEY root) {
  RegDeleteTreeW(root, L"SOFTWARE\\Kaldmoor Inc.");
  RegDeleteTreeW(root, L"SOFTWARE\\Classes\\.zrl");
  RegDeleteTreeW(root, L"SOFTWARE\\Classes\\Brumsel! ZorvatList");
}

class ProductRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { TearDown(); }
  void TearDown() override {
    RemoveProductKeys(HKEY_LOCAL_MACHINE);
    RemoveProductKeys(HKEY_CURRENT_USER);
  }

  const std::string program = "C:\\Program Files\\Brumsel Zorvat\\Zorvat.exe";
  const std::vector<RegistryValue> values =
      ProductRegistryValues(program, "C:\\Program Files\\Brumsel Zorvat\\Zorvat.ini");
};

std::string Read(HKEY root, const std::string& subkey, const std::string& name) {
  return ReadRegistryString(root, Widen(subkey), Widen(name)).value_or("(missing)");
}

TEST_F(ProductRegistryTest, EveryValueLandsWhereItWasWritten) {
  Win32RegistryWriter writer;
  WriteProductRegistry(writer, values);
  for (const RegistryValue& v : values) {
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, v.subkey, v.name), v.data) << v.subkey << " " << v.name;
  }
  EXPECT_EQ(Read(HKEY_CLASSES_ROOT, "Brumsel! ZorvatList\\Shell\\open\\command", ""),
            "\"" + program + "\" \"%1\"");
  EXPECT_EQ(Read(HKEY_CURRENT_USER, "Software\\Kaldmoor Inc.\\Zorvat", "Version"), "(missing)");
}

TEST_F(ProductRegistryTest, WithoutAdministratorRightsTheUsersKeysHoldEverything) {
  NoAdministratorRights writer;
  WriteProductRegistry(writer, values);
  EXPECT_EQ(Read(HKEY_CURRENT_USER, "Software\\Kaldmoor Inc.\\Zorvat", "Version"), "v1.2");
  EXPECT_EQ(Read(HKEY_CURRENT_USER, "Software\\Classes\\.zrl", ""), "Brumsel! ZorvatList");
  // Windows merges the user's classes into HKEY_CLASSES_ROOT; Wine 8 does not, so read them here.
  EXPECT_EQ(Read(HKEY_CURRENT_USER, "Software\\Classes\\Brumsel! ZorvatList\\DefaultIcon", ""),
            program + ",1");
  EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kaldmoor Inc.\\Zorvat", "Version"), "(missing)");
}

}  // namespace
}  // namespace zorvat
