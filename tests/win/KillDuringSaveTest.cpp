// Ends a process that saves one file over and over at random points of its saves, and checks after
// every kill that the name holds the old or the new content, whole, and nothing but the save's own
// two files beside it; the next save then leaves the file alone in its folder.
//
//   kill-during-save-test.exe [KILLS]         the test (300 kills by default)
//   kill-during-save-test.exe --save FILE     the saving process it starts and ends
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "base/Files.h"
#include "shellkit/Handles.h"
#include "support/FilesystemPaths.h"

namespace {

namespace fs = std::filesystem;
using zorvat::shellkit::UniqueHandle;
using Handle = UniqueHandle<HANDLE, &CloseHandle>;

// Two contents of a few pages each; a file that is neither was torn or lost.
std::string Content(char fill) {
  return "[General]\r\n" + std::string(20000, fill) + "\r\n[End]\r\n";
}

int SaveForever(const wchar_t* file, const wchar_t* readyEvent) {
  const std::string path = zorvat::PathToUtf8(fs::path(file));
  const std::string contents[] = {Content('a'), Content('b')};
  const Handle ready(OpenEventW(EVENT_MODIFY_STATE, FALSE, readyEvent));
  for (unsigned n = 0;; ++n) {
    zorvat::ReplaceFileAtomically(path, contents[n % 2]);
    if (n == 0 && ready) {
      SetEvent(ready.get());
    }
  }
}

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return path;
}

// Empty when all is well, else what went wrong.
std::string CheckFolder(const fs::path& folder, const fs::path& target, bool afterKill) {
  const auto bytes = zorvat::ReadFileBytes(zorvat::PathToUtf8(target));
  if (!bytes) {
    return "no file under the name";
  }
  if (*bytes != Content('a') && *bytes != Content('b')) {
    return "a torn file of " + std::to_string(bytes->size()) + " bytes under the name";
  }
  std::set<fs::path> allowed = {target};
  if (afterKill) {
    const std::string name = zorvat::PathToUtf8(target);
    allowed.insert(zorvat::PathFromUtf8(zorvat::PartialFileFor(name)));
    allowed.insert(zorvat::PathFromUtf8(zorvat::TemporaryFileFor(name)));
  }
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (!allowed.contains(entry.path())) {
      return "left behind: " + zorvat::PathToUtf8(entry.path().filename());
    }
  }
  return {};
}

struct Round {
  int kills = 0;
  std::string failure;
};

// One saving process after the other in a folder of its own, each ended at a random moment.
void KillRepeatedly(const fs::path& folder, int kills, Round& round) {
  fs::create_directories(folder);
  const fs::path target = folder / "list.zrl";
  zorvat::ReplaceFileAtomically(zorvat::PathToUtf8(target), Content('a'));
  const std::wstring eventName = L"zorvat-kill-ready-" + folder.filename().wstring();
  const Handle ready(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
  std::mt19937 random(std::random_device{}());
  // Past the first save, a kill lands within the next few dozen saves, at any point of one.
  std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  while (round.kills < kills && round.failure.empty()) {
    ResetEvent(ready.get());
    std::wstring commandLine =
        L"\"" + ProgramPath() + L"\" --save \"" + target.wstring() + L"\" " + eventName;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      round.failure = "cannot start the saving process";
      return;
    }
    const Handle processHandle(process.hProcess);
    const Handle threadHandle(process.hThread);
    if (WaitForSingleObject(ready.get(), 30000) != WAIT_OBJECT_0) {
      round.failure = "the saving process did not save";
    }
    LARGE_INTEGER from;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&from);
    const LONGLONG wait = delayMicroseconds(random) * frequency.QuadPart / 1000000;
    do {
      QueryPerformanceCounter(&now);
    } while (now.QuadPart - from.QuadPart < wait);
    TerminateProcess(processHandle.get(), 9);
    WaitForSingleObject(processHandle.get(), INFINITE);
    ++round.kills;
    if (round.failure.empty()) {
      round.failure = CheckFolder(folder, target, true);
    }
  }
  if (round.failure.empty()) {
    zorvat::ReplaceFileAtomically(zorvat::PathToUtf8(target), Content('b'));
    round.failure = CheckFolder(folder, target, false);
  }
}

int Test(int kills) {
  wchar_t tempRoot[MAX_PATH];
  GetTempPathW(MAX_PATH, tempRoot);
  const fs::path root =
      fs::path(tempRoot) / ("zorvat-kill-" + std::to_string(GetCurrentProcessId()));
  fs::remove_all(root);
  // Starting a process is most of a round's time under Wine: several rounds at once.
  constexpr int kRounds = 6;
  Round rounds[kRounds];
  const ULONGLONG started = GetTickCount64();
  {
    std::vector<std::jthread> threads;
    threads.reserve(kRounds);
    for (int i = 0; i < kRounds; ++i) {
      threads.emplace_back(
          [&, i] { KillRepeatedly(root / std::to_string(i), (kills + i) / kRounds, rounds[i]); });
    }
  }
  const double seconds = static_cast<double>(GetTickCount64() - started) / 1000.0;
  fs::remove_all(root);
  int done = 0;
  int status = 0;
  for (const Round& round : rounds) {
    done += round.kills;
    if (!round.failure.empty()) {
      std::printf("FAILED after %d kills: %s\n", round.kills, round.failure.c_str());
      status = 1;
    }
  }
  std::printf("%d kills in %.1f s%s\n", done, seconds,
              status == 0 ? ": the file was whole, old or new, after each" : "");
  return status;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wstring(argv[1]) == L"--save") {
    return SaveForever(argv[2], argv[3]);
  }
  return Test(argc > 1 ? _wtoi(argv[1]) : 300);
}
