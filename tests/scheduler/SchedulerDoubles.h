#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "events/EventLists.h"
#include "scheduler/Scheduler.h"
#include "settings/LiveSettings.h"
#include "support/ScriptedPrompts.h"

namespace zorvat::testing {

// Every call as one line of text, e.g. "copy a.txt -> b.txt".
class RecordingShell : public Shell {
 public:
  void StartProgramWithParameters(const std::string& program,
                                  const std::string& parameters) override;
  void CopyFileForced(const std::string& source, const std::string& target) override;
  void MoveFileTo(const std::string& source, const std::string& target) override;
  void RemoveFile(const std::string& path) override;
  void EndSession(SessionEndMode mode) override;
  int SetDisplayMode(int width, int depth, int mode) override;
  void ShowTaskbar(bool show) override;

  std::vector<std::string> calls;
  int displayResult = 0;
  bool copyFails = false;        // throws "Unable to create directory"
  bool startFailsBadly = false;  // throws std::logic_error, which is no message for the user
};

// A player whose position the test sets; opening a file in `unplayable` throws.
class FakeSoundPlayer : public SoundPlayer {
 public:
  void Open(const std::string& path) override;
  bool IsOpen() const override { return !file.empty(); }
  void PlayFromStart() override;
  std::int64_t Position() override;
  std::int64_t Length() override;
  void Close() override;

  void FinishPlay() { position = length; }
  void ThrowIfFailing() const;

  std::string file;
  std::int64_t position = 0;
  std::int64_t length = 1000;
  int plays = 0;
  int closes = 0;
  std::set<std::string> unplayable;
  bool deviceFails = false;  // playing and the status questions throw
};

class RecordingTimers : public SchedulerTimers {
 public:
  void Start(SchedulerTimer timer, std::uint32_t milliseconds) override;
  void Stop(SchedulerTimer timer) override;

  std::vector<std::uint32_t> intervals;  // the scan timer's, as armed
  bool scanRunning = false;
  int playStarts = 0;
  int blinkStarts = 0;
  bool playRunning = false;
  bool blinkRunning = false;
  std::vector<std::uint32_t> hotIntervals;  // as armed
  bool hotRunning = false;
  bool executeRunning = false;
};

class RecordingLog : public TaskLog {
 public:
  void Record(const TaskReport& report) override { reports.push_back(report); }
  // "ran 3 a.txt b.txt" for every report of that kind, in order.
  std::vector<std::string> Lines(TaskEvent what) const;
  std::vector<TaskReport> reports;
};

// A scheduler with every port recorded and a clock the test sets.
struct SchedulerRig {
  SchedulerRig();

  // A local date and time on the 2024 calendar: At(3, 1, 10, 5, 30) is 1 March 10:05:30.
  static DateTime At(int month, int day, int hour, int minute, int second, int ms = 0);
  // The first setting switches the scheduler on, as the program's start does once it knows the
  // time; a timer it did not arm never ticks.
  void SetClock(DateTime now);
  // Steps the clock by `ms`, running the hot timer every 500 ms and the execute timer every
  // 1000 ms, and the scan timer every `mainPeriod` ms, each through the timer dispatch as the
  // window does.
  void RunFor(std::int64_t ms, std::int64_t mainPeriod = 5000);

  // Appends an active event; returns its index.
  std::size_t Add(EventKind kind, DateTime time, std::uint8_t command, std::string op1 = {},
                  std::string op2 = {}, bool query = false);

  ManualClock clock;
  ScriptedPrompts prompts;
  RecordingShell shell;
  FakeSoundPlayer sound;
  RecordingTimers timers;
  RecordingLog log;
  EventLists lists;
  LiveSettings settings;
  int alertMode = 0;
  Scheduler scheduler;
  std::int64_t elapsed = 0;
  bool started = false;
};

}  // namespace zorvat::testing
