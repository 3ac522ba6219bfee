#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/sim/SimTool.h"

#include "app/sim/DryRun.h"
#include "app/sim/ListDump.h"
#include "app/sim/LocalTime.h"
#include "app/sim/SimOptions.h"
#include "base/Files.h"
#include "events/ListFile.h"
#include "settings/SettingsStore.h"

namespace zorvat::sim {
namespace {

constexpr int kUsageExit = 2;
constexpr int kUnreadableExit = 1;

std::string NotFound(const std::string& path) {
  return "Oops: File \"" + path + "\" cannot be found!";
}

int CurrentYear() {
  return DecodeDate(LocalTimeOf(static_cast<std::int64_t>(std::time(nullptr)) * 1000)).year;
}

// The settings: a file of any name, or a folder holding "Zorvat.ini" as the program's does.
std::unique_ptr<SettingsFile> OpenSettings(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path p(std::u8string(path.begin(), path.end()));
  std::error_code ec;
  if (fs::is_directory(p, ec)) {
    return std::make_unique<SettingsFile>(path);
  }
  if (!fs::exists(p, ec)) {
    return nullptr;
  }
  return std::make_unique<SettingsFile>(SettingsFile::FilePath{path});
}

void PrintErrors(const ListFileContents& contents, std::ostream& out) {
  for (const std::string& line : ReadErrors(contents)) {
    out << "error: " << line << "\n";
  }
}

int Run(const SimOptions& o, std::ostream& out, std::ostream& err) {
  if (o.help) {
    out << kUsage;
    return 0;
  }
  std::unique_ptr<SettingsFile> settingsFile;
  if (o.settingsPath) {
    settingsFile = OpenSettings(*o.settingsPath);
    if (!settingsFile) {
      err << NotFound(*o.settingsPath) << "\n";
      return kUnreadableExit;
    }
  }
  const ListFileRead read =
      ReadListFile(o.listPath, o.regional, o.dump ? CurrentYear() : o.fromYear);
  if (!read.contents) {
    err << read.refusal << "\n";
    return kUnreadableExit;
  }
  const ListFileContents* contents = &*read.contents;
  if (o.dump) {
    DumpLists(contents->lists, o.regional, out);
    PrintErrors(*contents, out);
    return 0;
  }
  PrintErrors(*contents, err);
  LiveSettings live;
  if (settingsFile) {
    LoadLiveSettings(*settingsFile, live);
  }
  const SettingsFile* file = settingsFile.get();
  const AlertModeReader alertMode = [file] { return file ? file->Read(keys::kAlertMode) : 0; };
  DryRunSpan span{o.fromMs, o.toMs, o.active, o.jitterMs, LocalTimeOf, {}, {}, false};
  if (o.asleep) {
    span.asleep = Between{o.asleep->fromMs, o.asleep->toMs};
  }
  if (o.closed) {
    span.closed = Between{o.closed->fromMs, o.closed->toMs};
    span.killed = o.killed;
  }
  DryRun(contents->lists, live, alertMode, span, o.answerYes, out, err);
  return 0;
}

}  // namespace

int RunSimTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    return Run(ParseSimOptions(args), out, err);
  } catch (const UsageError& e) {
    err << "zorvat-sim: " << e.what() << "\n" << kUsage;
    return kUsageExit;
  } catch (const std::exception& e) {
    err << "zorvat-sim: " << e.what() << "\n";
    return kUnreadableExit;
  }
}

}  // namespace zorvat::sim
