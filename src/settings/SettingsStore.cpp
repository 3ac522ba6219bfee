#include "settings/SettingsStore.h"

#include "base/Files.h"
#include "base/IntegerText.h"
#include "settings/ProfileFile.h"

namespace zorvat {

SettingsFile::SettingsFile(std::string_view programFolder)
    : path_(JoinPath(programFolder, kFileName)) {}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  return ReadProfileString(path_, section, key, fallback);
}

std::int32_t SettingsFile::ReadInteger(std::string_view section, std::string_view key,
                                       std::int32_t fallback) const {
  const auto text = LoadProfileFile(path_);
  const auto value = text ? text->Read(section, key) : std::nullopt;
  return value ? ParseSettingsInteger(*value, fallback) : fallback;
}

bool SettingsFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
  WriteProfileString(path_, section, key, value);
}

void SettingsFile::WriteAll(const std::vector<ProfileWrite>& writes) {
  WriteProfileStrings(path_, writes);
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key,
                                std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

std::string SettingsFile::Read(const StringKey& key) const {
  return ReadString(key.section, key.name, key.fallback);
}

std::int32_t SettingsFile::Read(const IntegerKey& key) const {
  return ReadInteger(key.section, key.name, key.fallback);
}

bool SettingsFile::Read(const BoolKey& key) const {
  return ReadBool(key.section, key.name, key.fallback);
}

void SettingsFile::Write(const StringKey& key, std::string_view value) {
  WriteString(key.section, key.name, value);
}

void SettingsFile::Write(const IntegerKey& key, std::int32_t value) {
  WriteInteger(key.section, key.name, value);
}

void SettingsFile::Write(const BoolKey& key, bool value) {
  WriteBool(key.section, key.name, value);
}

}  // namespace zorvat
