// Writing and reading full lists (4 x 256 events) the way Zorvat does it, one build of the file
// in memory and one parse, against the one-key-per-call way of a program that goes through the
// system's profile functions: every key read parses the whole file again, every key write
// rewrites it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/DateTime.h"
#include "base/Files.h"
#include "base/TextEncoding.h"
#include "events/EventRows.h"
#include "events/ListFile.h"
#include "settings/ProfileText.h"

namespace {

using namespace zorvat;
namespace fs = std::filesystem;

const RegionalFormats kFormats = RegionalFormats::DeDe();
constexpr int kYear = 2026;

class BenchFolder {
 public:
  BenchFolder() : path_(fs::temp_directory_path() / "zorvat-list-bench") {
    fs::create_directories(path_);
  }
  ~BenchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

EventRecord Realistic(int i, DateTime time) {
  const std::string n = std::to_string(i);
  switch (i % 4) {
    case 0:
      return {time, kCmdMessage, "Call the dentist about appointment number " + n, "", false,
              true, false};
    case 1:
      return {time, kCmdAlert, "C:\\Users\\Public\\Music\\Sounds\\reminder" + n + ".wav", "", false,
              true, false};
    case 2:
      return {time,
              kCmdAppStart,
              "C:\\Program Files\\Backup Tools\\backup.exe",
              "/full /target:D:\\Backup\\set" + n,
              true,
              i % 3 != 0,
              false};
    default:
      return {time,
              kCmdCopyFile,
              "C:\\Data\\Projects\\report" + n + ".xlsx",
              "\\\\server\\share\\archive\\report" + n + ".xlsx",
              true,
              true,
              false};
  }
}

EventLists FullLists() {
  EventLists lists;
  for (int i = 0; i < 256; ++i) {
    const DateTime timeOfDay = EncodeTime(i / 12, (i % 12) * 5, i % 60, 0);
    lists[EventKind::General].Append(Realistic(i, EncodeDate(2026, 1, 1) + i + timeOfDay));
    for (EventKind kind : {EventKind::Daily, EventKind::Weekly, EventKind::Monthly}) {
      lists[kind].Append(Realistic(i + static_cast<int>(kind), timeOfDay));
    }
  }
  return lists;
}

void WriteAndRead(const std::string& path, const EventLists& lists) {
  WriteListFile(path, lists, kFormats);
  const auto read = ReadListFile(path, kFormats, kYear);
  benchmark::DoNotOptimize(read.contents->lists[EventKind::Monthly].Count());
}

// The one-key-per-call way.
ProfileText LoadProfile(const std::string& path) {
  return ProfileText::Parse(DecodeFileText(ReadFileBytes(path).value_or(""))->utf8);
}

void WriteProfileKey(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value) {
  ProfileText file = LoadProfile(path);
  file.Write(section, key, value);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << EncodeFileText(file.Render());
}

void NaiveWriteAndRead(const std::string& path, const EventLists& lists) {
  fs::remove(path);
  WriteProfileKey(path, "BaseInfo", "ProgID", "Brumsel! Zorvat v1.1");
  for (EventKind kind : kAllKinds) {
    for (std::size_t i = 0; i < lists[kind].Count(); ++i) {
      const EventRecord& r = lists[kind][i];
      WriteProfileKey(path, SectionName(kind), EventTimeText(kind, r.task.time, kFormats),
                      std::to_string(r.task.command) + "|" + r.task.operand1 + "|" +
                          r.task.operand2 + "|" + (r.task.query ? "1" : "0") + "|" +
                          (r.active ? "1" : "0"));
    }
  }
  std::size_t values = 0;
  for (EventKind kind : kAllKinds) {
    for (const std::string& key : LoadProfile(path).KeyNames(SectionName(kind))) {
      values += LoadProfile(path).Read(SectionName(kind), key).has_value();
    }
  }
  benchmark::DoNotOptimize(values);
}

void BM_FullListsWriteAndRead(benchmark::State& state) {
  const BenchFolder folder;
  const std::string path = folder.File("full.zrl");
  const EventLists lists = FullLists();
  for (auto _ : state) {
    WriteAndRead(path, lists);
  }
}
BENCHMARK(BM_FullListsWriteAndRead)->Unit(benchmark::kMillisecond);

// The same without the disk: building, encoding, decoding and parsing the text.
void BM_FullListsInMemory(benchmark::State& state) {
  const EventLists lists = FullLists();
  for (auto _ : state) {
    const std::string bytes = EncodeListFile(lists, kFormats);
    const ListFileContents read = ParseListFile(DecodeFileText(bytes)->utf8, kFormats, kYear);
    benchmark::DoNotOptimize(read.lists[EventKind::Monthly].Count());
  }
}
BENCHMARK(BM_FullListsInMemory)->Unit(benchmark::kMillisecond);

void BM_FullListsWriteOnly(benchmark::State& state) {
  const BenchFolder folder;
  const std::string path = folder.File("full.zrl");
  const EventLists lists = FullLists();
  for (auto _ : state) {
    WriteListFile(path, lists, kFormats);
  }
}
BENCHMARK(BM_FullListsWriteOnly)->Unit(benchmark::kMillisecond);

void BM_FullListsReadOnly(benchmark::State& state) {
  const BenchFolder folder;
  const std::string path = folder.File("full.zrl");
  WriteListFile(path, FullLists(), kFormats);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ReadListFile(path, kFormats, kYear).contents->lists[EventKind::Daily].Count());
  }
}
BENCHMARK(BM_FullListsReadOnly)->Unit(benchmark::kMillisecond);

// The largest file a read accepts (one byte under the refused size), made of what a damaged or
// crafted file may hold: line ends only, keys that do not convert, keys that convert but whose
// values do not. Reading must stay well under a second.
std::string LargestDamagedList(int shape) {
  const std::size_t size = static_cast<std::size_t>(kLargestReadableFile - 1);
  std::string text = "[Daily]\r\n";
  std::size_t n = 0;
  while (text.size() < size) {
    switch (shape) {
      case 0:
        text += '\n';
        break;
      case 1:
        text += "x" + std::to_string(n++ % 1000000) + "=0|y||0|1\n";
        break;
      default:
        text += std::to_string(n / 3600 % 24) + ":" + std::to_string(n / 60 % 60) + ":" +
                std::to_string(n % 60) + "=bad\n";
        ++n;
        break;
    }
  }
  text.resize(size, '\n');
  return text;
}

void BM_ReadLargestDamagedList(benchmark::State& state) {
  const BenchFolder folder;
  const std::string path = folder.File("damaged.zrl");
  ReplaceFileAtomically(path, LargestDamagedList(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadListFile(path, kFormats, kYear).contents->skippedKeys);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(kLargestReadableFile - 1));
}
BENCHMARK(BM_ReadLargestDamagedList)
    ->ArgName("lineends_badkeys_badvalues")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

// Reports "x_faster": the one-key-per-call time over Zorvat's, both measured in this run.
void BM_OneKeyPerCallWriteAndRead(benchmark::State& state) {
  const BenchFolder folder;
  const std::string path = folder.File("naive.zrl");
  const std::string fastPath = folder.File("fast.zrl");
  const EventLists lists = FullLists();
  using Clock = std::chrono::steady_clock;
  constexpr int kFastRounds = 50;
  const auto fastStart = Clock::now();
  for (int i = 0; i < kFastRounds; ++i) {
    WriteAndRead(fastPath, lists);
  }
  const std::chrono::duration<double> fast = (Clock::now() - fastStart) / kFastRounds;
  const auto naiveStart = Clock::now();
  for (auto _ : state) {
    NaiveWriteAndRead(path, lists);
  }
  const std::chrono::duration<double> naive =
      (Clock::now() - naiveStart) / static_cast<double>(state.iterations());
  state.counters["fast_ms"] = fast.count() * 1000;
  state.counters["x_faster"] = naive / fast;
}
BENCHMARK(BM_OneKeyPerCallWriteAndRead)->Unit(benchmark::kMillisecond);

}  // namespace
