#pragma once

#include <cstdint>
#include <string>

#include "base/Prompts.h"
#include "scheduler/SchedulerTimers.h"
#include "scheduler/Shell.h"
#include "scheduler/SoundPlayer.h"

namespace zorvat {

// Ports that reach nothing, for the benchmarks and fuzz targets that run the scheduler's own
// logic: no task leaves the process, every question is answered Yes.
class NullShell final : public Shell {
 public:
  void StartProgramWithParameters(const std::string&, const std::string&) override {}
  void CopyFileForced(const std::string&, const std::string&) override {}
  void MoveFileTo(const std::string&, const std::string&) override {}
  void RemoveFile(const std::string&) override {}
  void EndSession(SessionEndMode) override {}
  int SetDisplayMode(int, int, int) override { return 0; }
  void ShowTaskbar(bool) override {}
};

class NullPlayer final : public SoundPlayer {
 public:
  void Open(const std::string&) override {}
  bool IsOpen() const override { return false; }
  void PlayFromStart() override {}
  std::int64_t Position() override { return 0; }
  std::int64_t Length() override { return 0; }
  void Close() override {}
};

class YesPrompts final : public Prompts {
 public:
  PromptAnswer Show(const std::string&, const std::string&, PromptIcon, PromptButtons) override {
    return PromptAnswer::Yes;
  }
};

class NullTimers final : public SchedulerTimers {
 public:
  void Start(SchedulerTimer, std::uint32_t) override {}
  void Stop(SchedulerTimer) override {}
};

}  // namespace zorvat
