// The settings store over a Zorvat.ini of any bytes, on disk: the start's check, every reader,
// and the close's writes. No crash, no sanitizer report; a file that reads takes the writes, keeps
// its encoding and gives them back; a file that does not read refuses them and keeps its bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/Files.h"
#include "base/TextEncoding.h"
#include "settings/LiveSettings.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsFileCheck.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {

using namespace zorvat;
namespace fs = std::filesystem;

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

const fs::path& Folder() {
  static const fs::path folder = [] {
    std::string name = (fs::temp_directory_path() / "zorvat-fuzz-settings-XXXXXX").string();
    Check(mkdtemp(name.data()) != nullptr);
    return fs::path(name);
  }();
  return folder;
}

// A value a profile file gives back as written in any encoding: printable ASCII, no quotes.
std::string Value(FuzzedDataProvider& in) {
  std::string s = in.ConsumeRandomLengthString(40);
  for (char& c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\'' || u <= ' ' || u >= 0x7F) {
      c = '_';
    }
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string bytes = in.ConsumeRandomLengthString(8192);
  SettingsFile settings(Folder().string());
  std::error_code ec;
  fs::remove_all(TemporaryFileFor(settings.Path()), ec);
  ReplaceFileAtomically(settings.Path(), bytes);

  const bool readable = LoadProfileFile(settings.Path()).has_value();
  Check(PrepareSettingsFile(settings).has_value() == !readable);
  LiveSettings live;
  LoadLiveSettings(settings, live);
  settings.Read(keys::kDefaultLib);
  settings.Read(keys::kZorvatChoiceWidth);
  for (std::size_t i = 0; i < keys::kRecentFile.size(); ++i) {
    settings.Read(keys::kRecentFile[i]);
    settings.Read(keys::kShortCutName[i]);
  }

  const std::vector<ProfileWrite> writes = {
      {"Config", "ZorvatChoice_Width", std::to_string(in.ConsumeIntegral<std::int32_t>())},
      {"Recent", "LastOpened", Value(in)},
      {"Recent", "ShortCut#1", Value(in)},
      {"Config", "Max", in.ConsumeBool() ? "1" : "0"},
  };
  try {
    settings.WriteAll(writes);
    Check(readable);
  } catch (const Error&) {
    Check(!readable);
    Check(ReadFileBytes(settings.Path()) == bytes);
    return 0;
  }
  const auto written = ReadFileBytes(settings.Path());
  Check(written.has_value());
  const auto before = DecodeFileText(bytes);
  const auto after = DecodeFileText(*written);
  Check(before && after);
  Check((before->encoding == FileEncoding::Utf16Le) == (after->encoding == FileEncoding::Utf16Le));
  Check((before->encoding == FileEncoding::Utf16Be) == (after->encoding == FileEncoding::Utf16Be));
  for (const ProfileWrite& write : writes) {
    Check(settings.ReadString(write.section, write.key, "\x01") == write.value);
  }
  return 0;
}
