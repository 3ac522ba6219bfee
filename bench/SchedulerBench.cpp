// The scheduler on virtual timers: how late tasks start, and how fast a day of full lists runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "scheduler/DueScan.h"
#include "scheduler/NullPorts.h"
#include "scheduler/Scheduler.h"
#include "scheduler/VirtualTimers.h"

namespace zorvat {
namespace {

constexpr std::int64_t kDayMs = 86'400'000;
constexpr std::int64_t kUnixEpochDay = 25569;

class LatencyLog final : public TaskLog {
 public:
  void Record(const TaskReport& r) override {
    if (r.what == TaskEvent::Ran) {
      latencies.push_back(ToMilliseconds(r.at) - ToMilliseconds(r.task.time));
    } else if (r.what != TaskEvent::Asked) {
      ++lost;
    }
  }
  std::vector<std::int64_t> latencies;
  int lost = 0;
};

// 4 x 256 active events, all due on the simulated day: weekly and monthly ones on its weekday
// and day of the month, single ones on its date; times spread at random over the day.
struct FullLists {
  EventLists lists;
  LiveSettings settings;
  int day = static_cast<int>(EncodeDate(2024, 3, 1));

  FullLists() {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> second(0, 86'399), command(2, 10), coin(0, 1);
    settings.weekDay = static_cast<std::uint8_t>(DayOfWeek(day));
    settings.monthDay = 1;
    int n = 0;
    for (const EventKind kind : kAllKinds) {
      for (std::size_t i = 0; i < EventList::kCapacity; ++i, ++n) {
        DateTime time = FromMilliseconds(second(random) * 1000LL);
        if (kind == EventKind::General) {
          time += day;
        }
        lists[kind].Append({time, static_cast<std::uint8_t>(command(random)),
                            "task " + std::to_string(n), "", coin(random) == 1, true, false});
      }
    }
  }
  std::int64_t StartMs() const { return (day - kUnixEpochDay) * kDayMs; }
};

// `phaseMs` shifts the timers against the seconds of the clock, as a program started at any
// moment has them.
LatencyLog SimulateDay(const FullLists& full, std::uint32_t jitterMs, std::int64_t phaseMs = 0) {
  NullShell shell;
  NullPlayer player;
  YesPrompts prompts;
  LatencyLog log;
  VirtualTimers timers({full.StartMs() - 60'000 + phaseMs, UtcAsLocal, jitterMs, 1});
  Scheduler scheduler(
      full.lists, full.settings,
      {timers.LocalClock(), prompts, shell, player, timers, [] { return 0; }, &log});
  scheduler.SetActive(true);
  timers.Run(scheduler, full.StartMs() + kDayMs, prompts);
  return log;
}

void BM_SimulateOneDayOfFullLists(benchmark::State& state) {
  const FullLists full;
  std::size_t ran = 0;
  for (auto _ : state) {
    ran = SimulateDay(full, 0).latencies.size();
  }
  state.counters["tasks_ran"] = static_cast<double>(ran);
}
BENCHMARK(BM_SimulateOneDayOfFullLists)->Unit(benchmark::kMillisecond);

// From each task's instant to the start of its action, over one day of full lists for each of
// 28 phases of the timers against the clock's seconds; argument: the tick jitter in ms.
void BM_TaskLatency(benchmark::State& state) {
  const FullLists full;
  const auto jitter = static_cast<std::uint32_t>(state.range(0));
  std::vector<std::int64_t> l;
  int lost = 0;
  for (auto _ : state) {
    l.clear();
    for (std::int64_t phase = 0; phase < 1000; phase += 37) {
      const LatencyLog log = SimulateDay(full, jitter, phase);
      l.insert(l.end(), log.latencies.begin(), log.latencies.end());
      lost += log.lost;
    }
  }
  if (l.empty()) {
    state.SkipWithError("no task ran");
    return;
  }
  std::sort(l.begin(), l.end());
  const auto at = [&](double q) {
    return static_cast<double>(l[static_cast<std::size_t>(q * static_cast<double>(l.size() - 1))]);
  };
  state.counters["tasks"] = static_cast<double>(l.size());
  state.counters["lost"] = lost;
  state.counters["p50_ms"] = at(0.5);
  state.counters["p99_ms"] = at(0.99);
  state.counters["max_ms"] = static_cast<double>(l.back());
}
BENCHMARK(BM_TaskLatency)->Arg(0)->Arg(100)->Arg(250)->Unit(benchmark::kMillisecond)->Iterations(1);

// One main tick over full lists.
void BM_DueScanOfFullLists(benchmark::State& state) {
  const FullLists full;
  DateTime now = full.day + EncodeTime(12, 0, 0, 0);
  int offered = 0;
  for (auto _ : state) {
    ScanDueEvents(full.lists, full.settings, now, [&](const EventRecord&, DateTime) { ++offered; });
    benchmark::DoNotOptimize(offered);
  }
}
BENCHMARK(BM_DueScanOfFullLists);

}  // namespace
}  // namespace zorvat
