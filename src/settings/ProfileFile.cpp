#include "settings/ProfileFile.h"

#include <filesystem>
#include <system_error>

#include "base/Error.h"
#include "base/Files.h"
#include "base/TextEncoding.h"

namespace zorvat {
namespace {

std::string FullPath(std::string_view utf8Path) {
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(PathFromUtf8(utf8Path), ec);
  return ec ? std::string(utf8Path) : PathToUtf8(absolute);
}

bool SomethingExistsAt(std::string_view utf8Path) {
  std::error_code ec;
  return std::filesystem::exists(PathFromUtf8(utf8Path), ec) || ec;
}

struct FileBytes {
  std::optional<std::string> bytes;  // nothing when there is no file or it cannot be read
  bool blocked = false;              // something is at the path, but it cannot be read as a file
};

FileBytes ReadProfileBytes(std::string_view utf8Path) {
  if (!FileExists(utf8Path)) {
    return {std::nullopt, SomethingExistsAt(utf8Path)};
  }
  if (auto bytes = ReadFileBytes(utf8Path)) {
    return {std::move(bytes), false};
  }
  return {std::nullopt, true};
}

}  // namespace

std::optional<ProfileText> LoadProfileFile(std::string_view utf8Path) {
  const FileBytes file = ReadProfileBytes(utf8Path);
  if (!file.bytes) {
    return std::nullopt;
  }
  return ProfileText::Parse(DecodeFileText(*file.bytes).utf8);
}

std::string ReadProfileString(std::string_view utf8Path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
  if (const auto text = LoadProfileFile(utf8Path)) {
    if (auto value = text->Read(section, key)) {
      return std::move(*value);
    }
  }
  return std::string(fallback);
}

std::vector<std::string> ReadProfileKeyNames(std::string_view utf8Path, std::string_view section) {
  if (const auto text = LoadProfileFile(utf8Path)) {
    return text->KeyNames(section);
  }
  return {};
}

void WriteProfileString(std::string_view utf8Path, std::string_view section, std::string_view key,
                        std::string_view value) {
  WriteProfileStrings(utf8Path, {{std::string(section), std::string(key), std::string(value)}});
}

void WriteProfileStrings(std::string_view utf8Path, const std::vector<ProfileWrite>& writes) {
  const FileBytes file = ReadProfileBytes(utf8Path);
  if (file.blocked) {
    // Starting afresh would lose what the file holds.
    throw Error("Unable to write to " + FullPath(utf8Path));
  }
  const DecodedText decoded = file.bytes ? DecodeFileText(*file.bytes) : DecodedText{};
  ProfileText text = ProfileText::Parse(decoded.utf8);
  for (const ProfileWrite& write : writes) {
    text.Write(write.section, write.key, write.value);
  }
  ReplaceFileAtomically(utf8Path, EncodeFileText(text.Render(), decoded.hadBom));
}

void WriteProfileFile(std::string_view utf8Path, std::string_view utf8Text, bool keepBom) {
  ReplaceFileAtomically(utf8Path, EncodeFileText(utf8Text, keepBom));
}

}  // namespace zorvat
