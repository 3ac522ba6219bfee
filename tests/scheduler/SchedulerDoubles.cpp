#include "scheduler/SchedulerDoubles.h"

#include <stdexcept>

#include "base/Error.h"

namespace zorvat::testing {

void RecordingShell::StartProgramWithParameters(const std::string& program,
                                                const std::string& parameters) {
  if (startFailsBadly) {
    throw std::logic_error("not a user's error");
  }
  calls.push_back("start " + program + " " + parameters);
}

void RecordingShell::CopyFileForced(const std::string& source, const std::string& target) {
  if (copyFails) {
    throw Error("Unable to create directory");
  }
  calls.push_back("copy " + source + " -> " + target);
}

void RecordingShell::MoveFileTo(const std::string& source, const std::string& target) {
  calls.push_back("move " + source + " -> " + target);
}

void RecordingShell::RemoveFile(const std::string& path) {
  calls.push_back("delete " + path);
}

void RecordingShell::EndSession(SessionEndMode mode) {
  calls.push_back("end session " + std::to_string(static_cast<int>(mode)));
}

int RecordingShell::SetDisplayMode(int width, int depth, int mode) {
  calls.push_back("display " + std::to_string(width) + " " + std::to_string(depth) + " " +
                  std::to_string(mode));
  return displayResult;
}

void RecordingShell::ShowTaskbar(bool show) {
  calls.emplace_back(show ? "taskbar show" : "taskbar hide");
}

void FakeSoundPlayer::Open(const std::string& path) {
  Close();
  if (unplayable.count(path) != 0) {
    throw Error("The specified file cannot be played on the specified MCI device");
  }
  file = path;
  position = 0;
}

void FakeSoundPlayer::PlayFromStart() {
  ThrowIfFailing();
  position = 0;
  ++plays;
}

std::int64_t FakeSoundPlayer::Position() {
  ThrowIfFailing();
  return IsOpen() ? position : 0;
}

std::int64_t FakeSoundPlayer::Length() {
  ThrowIfFailing();
  return IsOpen() ? length : 0;
}

void FakeSoundPlayer::ThrowIfFailing() const {
  if (deviceFails && IsOpen()) {
    throw Error("The device is not ready");
  }
}

void FakeSoundPlayer::Close() {
  if (IsOpen()) {
    ++closes;
  }
  file.clear();
}

void RecordingTimers::Start(SchedulerTimer timer, std::uint32_t milliseconds) {
  switch (timer) {
    case SchedulerTimer::Scan:
      intervals.push_back(milliseconds);
      scanRunning = true;
      break;
    case SchedulerTimer::Play:
      ++playStarts, playRunning = true;
      break;
    case SchedulerTimer::Blink:
      ++blinkStarts, blinkRunning = true;
      break;
    case SchedulerTimer::Hot:
      hotIntervals.push_back(milliseconds);
      hotRunning = true;
      break;
    case SchedulerTimer::Execute:
      executeRunning = true;
      break;
  }
}

void RecordingTimers::Stop(SchedulerTimer timer) {
  switch (timer) {
    case SchedulerTimer::Scan:
      scanRunning = false;
      break;
    case SchedulerTimer::Play:
      playRunning = false;
      break;
    case SchedulerTimer::Blink:
      blinkRunning = false;
      break;
    case SchedulerTimer::Hot:
      hotRunning = false;
      break;
    case SchedulerTimer::Execute:
      executeRunning = false;
      break;
  }
}

std::vector<std::string> RecordingLog::Lines(TaskEvent what) const {
  std::vector<std::string> lines;
  for (const TaskReport& r : reports) {
    if (r.what == what) {
      lines.push_back(std::to_string(r.task.command) + " " + r.task.operand1 + " " +
                      r.task.operand2);
    }
  }
  return lines;
}

SchedulerRig::SchedulerRig()
    : scheduler(lists, settings,
                {clock, prompts, shell, sound, timers, [this] { return alertMode; }, &log}) {}

void SchedulerRig::SetClock(DateTime now) {
  clock.Set(now);
  if (!started) {
    started = true;
    scheduler.SetActive(true);
  }
}

DateTime SchedulerRig::At(int month, int day, int hour, int minute, int second, int ms) {
  return EncodeDateTime({2024, month, day}, {hour, minute, second, ms});
}

void SchedulerRig::RunFor(std::int64_t ms, std::int64_t mainPeriod) {
  for (std::int64_t step = 0; step < ms; step += 500) {
    clock.Advance(500);
    elapsed += 500;
    // A timer the scheduler stopped ticks nowhere.
    if (elapsed % mainPeriod == 0 && timers.scanRunning) {
      DispatchSchedulerTick(scheduler, SchedulerTimer::Scan, prompts);
    }
    if (timers.hotRunning) {
      DispatchSchedulerTick(scheduler, SchedulerTimer::Hot, prompts);
    }
    if (elapsed % 1000 == 0 && timers.executeRunning) {
      DispatchSchedulerTick(scheduler, SchedulerTimer::Execute, prompts);
    }
  }
}

std::size_t SchedulerRig::Add(EventKind kind, DateTime time, std::uint8_t command, std::string op1,
                              std::string op2, bool query) {
  EventList& list = lists[kind];
  list.Append({{time, command, std::move(op1), std::move(op2), query}, true, false});
  return list.Count() - 1;
}

}  // namespace zorvat::testing
