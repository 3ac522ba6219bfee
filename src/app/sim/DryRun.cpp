#include "app/sim/DryRun.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>

#include "app/sim/Columns.h"
#include "base/ErrorBoundary.h"
#include "scheduler/Scheduler.h"

namespace zorvat::sim {
namespace {

class RecordingShell final : public Shell {
 public:
  void StartProgramWithParameters(const std::string&, const std::string&) override { ++calls; }
  void CopyFileForced(const std::string&, const std::string&) override { ++calls; }
  void MoveFileTo(const std::string&, const std::string&) override { ++calls; }
  void RemoveFile(const std::string&) override { ++calls; }
  void EndSession(SessionEndMode) override { ++calls; }
  int SetDisplayMode(int, int, int) override { return ++calls, 0; }
  void ShowTaskbar(bool) override { ++calls; }
  long calls = 0;
};

// Every file plays for one second of virtual time.
class OneSecondPlayer final : public SoundPlayer {
 public:
  explicit OneSecondPlayer(std::function<std::int64_t()> now) : now_(std::move(now)) {}
  void Open(const std::string&) override { open_ = true; }
  bool IsOpen() const override { return open_; }
  void PlayFromStart() override { started_ = now_(); }
  std::int64_t Position() override { return open_ ? std::min(now_() - started_, kLength) : 0; }
  std::int64_t Length() override { return open_ ? kLength : 0; }
  void Close() override { open_ = false; }

 private:
  static constexpr std::int64_t kLength = 1000;
  std::function<std::int64_t()> now_;
  std::int64_t started_ = 0;
  bool open_ = false;
};

class AnsweringPrompts final : public Prompts {
 public:
  AnsweringPrompts(bool yes, std::ostream& errors) : yes_(yes), errors_(errors) {}
  PromptAnswer Show(const std::string& title, const std::string& text, PromptIcon icon,
                    PromptButtons buttons) override {
    if (icon == PromptIcon::Error) {
      errors_ << "error: " << title << ": " << text << "\n";
    }
    if (buttons == PromptButtons::Ok) {
      return PromptAnswer::Ok;
    }
    return yes_ ? PromptAnswer::Yes : PromptAnswer::No;
  }

 private:
  bool yes_;
  std::ostream& errors_;
};

class LinePrinter final : public TaskLog {
 public:
  explicit LinePrinter(std::ostream& out) : out_(out) {}
  void Record(const TaskReport& report) override { out_ << TaskLine(report) << "\n"; }

 private:
  std::ostream& out_;
};

// The stamp between the two runs of a closed span.
class KeptStamp final : public StampStore {
 public:
  void Write(const HandledStamp& stamp) override { last = stamp; }
  std::optional<HandledStamp> last;
};

const char* WhatText(TaskEvent what) {
  switch (what) {
    case TaskEvent::Asked:
      return "asked";
    case TaskEvent::Ran:
      return "ran";
    case TaskEvent::Skipped:
      return "skipped";
    case TaskEvent::Missed:
      return "missed";
    case TaskEvent::Dropped:
      return "dropped";
    case TaskEvent::Late:
      return "caught up";
    case TaskEvent::Listed:
      return "listed";
    case TaskEvent::NeverRun:
      return "never run";
    case TaskEvent::Uncertain:
      return "may not have run";
  }
  return "";
}

std::string Stamp(DateTime value) {
  const CivilDate d = DecodeDate(value);
  const TimeOfDay t = DecodeTime(value);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", d.year, d.month, d.day,
                t.hour, t.minute, t.second, t.millisecond);
  return text;
}

}  // namespace

std::string TaskLine(const TaskReport& report) {
  std::string line = Stamp(report.at) + "\t" + WhatText(report.what) + "\t" +
                     std::to_string(report.task.command) + "\t" + Column(report.task.operand1) +
                     "\t" + Column(report.task.operand2);
  const bool late = report.what == TaskEvent::Late || report.what == TaskEvent::Listed ||
                    report.what == TaskEvent::NeverRun || report.what == TaskEvent::Uncertain;
  return late ? line + "\tdue " + Stamp(report.task.time) : line;
}

void DryRun(const EventLists& lists, const LiveSettings& settings, const AlertModeReader& alertMode,
            const DryRunSpan& span, bool answerYes, std::ostream& out, std::ostream& errors) {
  KeptStamp stamp;
  RecordingShell shell;
  AnsweringPrompts prompts(answerYes, errors);
  LinePrinter printer(out);
  const auto run = [&](std::int64_t fromMs, std::int64_t toMs, bool restarted, bool killed) {
    VirtualTimers timers({fromMs, span.localTime, span.jitterMs, 1});
    OneSecondPlayer player([&timers] { return timers.NowMs(); });
    SchedulerPorts ports{timers.LocalClock(), prompts, shell, player, timers, alertMode, &printer};
    ports.stamp = &stamp;
    Scheduler scheduler(lists, settings, ports);
    scheduler.SetActive(span.active);
    RunShowingErrors(prompts,
                     [&] { scheduler.CatchUpSince(restarted ? stamp.last : std::nullopt); });
    if (span.asleep) {
      timers.SleepBetween(span.asleep->fromMs, span.asleep->toMs);
    }
    timers.Run(scheduler, toMs, prompts);
    if (!killed) {
      RunShowingErrors(prompts, [&] { scheduler.SaveStamp(); });
    }
  };
  if (span.closed) {
    run(span.fromMs, span.closed->fromMs, false, span.killed);
    run(span.closed->toMs, span.toMs, true, false);
  } else {
    run(span.fromMs, span.toMs, false, false);
  }
}

}  // namespace zorvat::sim
