#include "settings/ProfileFile.h"

#include "base/Error.h"
#include "base/Files.h"
#include "base/TextEncoding.h"

namespace zorvat {
namespace {

std::string FullPath(std::string_view utf8Path) {
  return AbsolutePath(utf8Path).value_or(std::string(utf8Path));
}

// The file's text; `blocked` when something is at the path that must not be taken for an empty
// file: a folder, a file that cannot be read, one too large, or bytes that are no text we know.
struct LoadedText {
  std::optional<DecodedText> text;
  bool blocked = false;
};

LoadedText LoadText(std::string_view utf8Path) {
  const FileBytes file = ReadWholeFile(utf8Path);
  if (file.outcome == ReadOutcome::Missing) {
    return {};
  }
  if (file.outcome != ReadOutcome::Read) {
    return {std::nullopt, true};
  }
  auto decoded = DecodeFileText(file.bytes);
  const bool blocked = !decoded;
  return {std::move(decoded), blocked};
}

}  // namespace

std::optional<ProfileText> LoadProfileFile(std::string_view utf8Path) {
  LoadedText loaded = LoadText(utf8Path);
  if (!loaded.text) {
    return std::nullopt;
  }
  return ProfileText::Parse(loaded.text->utf8);
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
  const LoadedText loaded = LoadText(utf8Path);
  if (loaded.blocked) {
    // Starting afresh would lose what the file holds.
    throw Error("Unable to write to " + FullPath(utf8Path));
  }
  ProfileText text = ProfileText::Parse(loaded.text ? loaded.text->utf8 : std::string());
  for (const ProfileWrite& write : writes) {
    text.Write(write.section, write.key, write.value);
  }
  ReplaceFileAtomically(utf8Path, EncodeFileText(text.Render(), loaded.text ? loaded.text->encoding
                                                                            : FileEncoding::Plain));
}

void WriteProfileFile(std::string_view utf8Path, std::string_view utf8Text, FileEncoding encoding) {
  ReplaceFileAtomically(utf8Path, EncodeFileText(utf8Text, encoding));
}

}  // namespace zorvat
