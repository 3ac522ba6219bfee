// The dry-run tool: its command line, its lines, and runs across daylight-saving changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/sim/DryRun.h"
#include "app/sim/LocalTime.h"
#include "app/sim/SimOptions.h"
#include "app/sim/SimTool.h"
#include "scheduler/Scheduler.h"
#include "scheduler/SchedulerDoubles.h"
#include "scheduler/VirtualTimers.h"
#include "support/TempFolder.h"

namespace zorvat::sim {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// Sets TZ for one test and puts the old value back.
class TimeZone {
 public:
  explicit TimeZone(const char* rules) {
    if (const char* old = std::getenv("TZ")) {
      old_ = old;
    }
    Set(rules);
  }
  ~TimeZone() { Set(old_.empty() ? nullptr : old_.c_str()); }

 private:
  static void Set(const char* rules) {
#ifndef _WIN32
    rules ? setenv("TZ", rules, 1) : unsetenv("TZ");
    tzset();
#else
    (void)rules;
#endif
  }
  std::string old_;
};

TEST(SimOptions, BadCommandLinesAreUsageErrors) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"list.zrl"},
      {"--from", "2024-03-01 10:00:00", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--to", "2024-03-02 10:00:00", "--for", "1d", "list.zrl"},
      {"--from", "2024-03-01 10:00", "--for", "1d", "list.zrl"},
      {"--from", "2024-02-30 10:00:00", "--for", "1d", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--to", "2024-03-01 09:00:00", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "0d", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "5w", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "1d", "--answer", "maybe", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "1d", "--regional", "fr-FR", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "1d", "--jitter", "-5", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "1d", "--jitter", "60001", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "1d", "--verbose", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "1d", "a.zrl", "b.zrl"},
      {"--dump", "--from", "2024-03-01 10:00:00", "list.zrl"},
      {"--dump", "--answer", "no", "list.zrl"},
      {"--dump", "--regional"},
      {"--from", "9999-12-31 23:00:00", "--for", "36h", "list.zrl"},
      {"--from", "0000-12-31 23:00:00", "--for", "1h", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "1d", "--asleep", "2024-03-01 12:00:00",
       "2024-03-01 12:00:00", "list.zrl"},
      {"--from", "2024-03-01 10:00:00", "--for", "1d", "--closed", "2024-03-01 12:00:00",
       "2024-03-02 12:00:00", "list.zrl"},
  };
  for (const auto& args : bad) {
    std::string line;
    for (const auto& a : args) {
      line += a + " ";
    }
    EXPECT_THROW(ParseSimOptions(args), UsageError) << line;
    std::ostringstream out, err;
    EXPECT_EQ(RunSimTool(args, out, err), 2) << line;
    EXPECT_NE(err.str().find("usage: zorvat-sim"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
  }
}

TEST(SimOptions, SpansAndAnswers) {
  EXPECT_EQ(ParseSpan("90m"), 90 * 60'000);
  EXPECT_EQ(ParseSpan("36h"), 36 * 3'600'000LL);
  EXPECT_EQ(ParseSpan("30d"), 30 * 86'400'000LL);
  const SimOptions o =
      ParseSimOptions({"--answer", "no", "--inactive", "--jitter", "250", "--regional", "de-DE",
                       "--from", "2024-03-01 10:00:00", "--for", "90m", "list.zrl"});
  EXPECT_FALSE(o.answerYes);
  EXPECT_FALSE(o.active);
  EXPECT_EQ(o.jitterMs, 250u);
  EXPECT_EQ(o.regional.shortDate, RegionalFormats::DeDe().shortDate);
  EXPECT_EQ(o.toMs - o.fromMs, 90 * 60'000);
  EXPECT_EQ(o.fromYear, 2024);
  EXPECT_EQ(o.listPath, "list.zrl");
}

TEST(SimTool, HelpPrintsTheUsageAndSucceeds) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"--dump", "--help", "a.zrl", "b.zrl"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunSimTool(args, out, err), 0);
    EXPECT_EQ(out.str(), kUsage);
    EXPECT_TRUE(err.str().empty());
  }
}

TEST(SimTool, UnreadableListIsExitOneWithItsText) {
  std::ostringstream out, err;
  EXPECT_EQ(RunSimTool({"--dump", "/no/such/list.zrl"}, out, err), 1);
  EXPECT_EQ(err.str(), "Oops: File \"/no/such/list.zrl\" cannot be found!\n");
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Fault fixed: a tab inside an operand made a dump line of nine columns.
TEST(SimTool, DumpPrintsRecordsAsWrittenAndTheReadsErrors) {
  testing::TempFolder folder;
  const std::string list = folder.File("list.zrl");
  WriteFile(list,
            "[General]\r\n24.12.1998 18:30:00=0|Christmas\tdinner||0|1\r\n"
            "[Weekly]\r\n17:00:00=3|C:\\a.mdb|D:\\b.mdb|1|0\r\nnoon=0|x||0|1\r\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunSimTool({"--dump", "--regional", "de-DE", list}, out, err), 0);
  EXPECT_EQ(Lines(out.str()), (std::vector<std::string>{
                                  "General\t0\t24.12.1998 18:30:00\t0\tChristmas dinner\t\t0\t1",
                                  "Weekly\t0\t17:00:00\t3\tC:\\a.mdb\tD:\\b.mdb\t1\t0",
                                  "error: 'noon' is not a valid time."}));
}

TEST(SimTool, RunPrintsAskedRanSkippedAndDroppedInTimeOrder) {
  TimeZone utc("UTC0");
  testing::TempFolder folder;
  const std::string list = folder.File("list.zrl");
  WriteFile(list,
            "[General]\r\n3/1/2024 10:05:30 AM=5|notes.txt||1|1\r\n"
            "[Daily]\r\n10:05:00 AM=0|Coffee||0|1\r\n10:06:00 AM=12|||0|1\r\n");
  for (const char* answer : {"yes", "no"}) {
    std::ostringstream out, err;
    ASSERT_EQ(RunSimTool({"--answer", answer, "--from", "2024-03-01 10:00:00", "--to",
                          "2024-03-01 10:10:00", list},
                         out, err),
              0);
    const std::string last = answer == std::string("yes") ? "ran" : "skipped";
    EXPECT_EQ(Lines(out.str()), (std::vector<std::string>{
                                    "2024-03-01 10:05:00.020\tran\t0\tCoffee\t",
                                    "2024-03-01 10:05:30.020\tasked\t5\tnotes.txt\t",
                                    "2024-03-01 10:05:30.020\t" + last + "\t5\tnotes.txt\t",
                                    "2024-03-01 10:06:00.020\tdropped\t12\t\t",
                                }));
    EXPECT_TRUE(err.str().empty());
  }
}

TEST(SimTool, AsleepAndClosedPrintWhatWasCaughtUpListedAndNeverRun) {
  TimeZone utc("UTC0");
  testing::TempFolder folder;
  const std::string list = folder.File("list.zrl");
  WriteFile(list,
            "[Daily]\r\n10:05:00 AM=0|Coffee||0|1\r\n10:06:00 AM=3|a|b|0|1\r\n"
            "10:07:00 AM=6|||0|1\r\n");
  for (const char* option : {"--asleep", "--closed"}) {
    std::ostringstream out, err;
    ASSERT_EQ(RunSimTool({option, "2024-03-01 10:01:00", "2024-03-01 11:00:00", "--from",
                          "2024-03-01 10:00:00", "--to", "2024-03-02 10:05:10", list},
                         out, err),
              0);
    EXPECT_EQ(Lines(out.str()),
              (std::vector<std::string>{
                  "2024-03-01 11:00:00.000\tcaught up\t0\tCoffee\t\tdue 2024-03-01 10:05:00.000",
                  "2024-03-01 11:00:00.000\tlisted\t3\ta\tb\tdue 2024-03-01 10:06:00.000",
                  "2024-03-01 11:00:00.000\tnever run\t6\t\t\tdue 2024-03-01 10:07:00.000",
                  "2024-03-02 10:05:00.020\tran\t0\tCoffee\t",
              }))
        << option;
  }
  std::ostringstream out, err;
  EXPECT_EQ(RunSimTool({"--asleep", "2024-03-01 09:00:00", "2024-03-01 11:00:00", "--from",
                        "2024-03-01 10:00:00", "--to", "2024-03-02 10:05:10", list},
                       out, err),
            2);
}

// Zorvat closed, or killed, at any second from ten before a task's second to seventy after it,
// and started again at any later one: each task has run, or is listed, exactly once.
TEST(SimTool, EveryCloseAroundATasksSecondRunsOrListsItOnce) {
  const std::int64_t due = 60 * 60'000 + 8'000;  // 10:00:08 on the virtual day 1970-01-01
  EventLists lists;
  const DateTime at = UtcAsLocal(due);
  lists[EventKind::General].Append({{at, kCmdCopyFile, "a.txt", "b.txt", false}, true, false});
  lists[EventKind::General].Append({{at, kCmdMessage, "Tea", "", false}, true, false});
  const LiveSettings settings;
  int spans = 0;
  for (const bool killed : {false, true}) {
    for (std::int64_t close = due - 10'000; close <= due + 70'000; close += 1'000) {
      for (std::int64_t start = close + 1'000; start <= due + 70'000; start += 1'000) {
        DryRunSpan span{due - 60'000, due + 150'000, true, 0, UtcAsLocal, {}, {}, killed};
        span.closed = Between{close, start};
        std::ostringstream out, err;
        DryRun(
            lists, settings, [] { return 0; }, span, true, out, err);
        const std::vector<std::string> lines = Lines(out.str());
        for (const char* task : {"\t3\ta.txt\tb.txt", "\t0\tTea\t"}) {
          const auto once = std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.find(task) != std::string::npos;
          });
          ASSERT_EQ(once, 1) << (killed ? "killed " : "closed ") << close - due << " "
                             << start - due << "\n"
                             << out.str();
        }
        ASSERT_EQ(out.str().find("may not have run") != std::string::npos && !killed, false);
        ++spans;
      }
    }
  }
  EXPECT_EQ(spans, 2 * 81 * 80 / 2);
}

// --settings took only a file named Zorvat.ini.
TEST(SimTool, SettingsComeFromAFileOfAnyName) {
  TimeZone utc("UTC0");
  testing::TempFolder folder;
  const std::string list = folder.File("list.zrl");
  const std::string settings = folder.File("weekly on Monday.ini");
  WriteFile(list, "[Weekly]\r\n10:00:00 AM=0|Meeting||0|1\r\n");
  WriteFile(settings, "[Config]\r\nWeekEVDay=2\r\n");
  std::ostringstream out, err;
  ASSERT_EQ(
      RunSimTool({"--settings", settings, "--from", "2024-03-01 00:00:00", "--for", "7d", list},
                 out, err),
      0)
      << err.str();
  EXPECT_EQ(Lines(out.str()),
            (std::vector<std::string>{"2024-03-04 10:00:00.020\tran\t0\tMeeting\t"}));
}

#ifndef _WIN32
// Central European rules without a time-zone database: summer time from the last Sunday of March
// 02:00 to the last Sunday of October 03:00.
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

TEST(LocalTime, FollowsTheZonesSummerTime) {
  TimeZone zone(kCentralEurope);
  const std::int64_t beforeSpring = *UtcOfLocal({2024, 3, 31}, {1, 59, 59, 0});
  EXPECT_EQ(ToMilliseconds(LocalTimeOf(beforeSpring + 1000)),
            ToMilliseconds(EncodeDateTime({2024, 3, 31}, {3, 0, 0, 0})));
  const std::int64_t autumn = *UtcOfLocal({2024, 10, 27}, {1, 0, 0, 0});
  EXPECT_EQ(ToMilliseconds(LocalTimeOf(autumn + 3 * 3'600'000)),
            ToMilliseconds(EncodeDateTime({2024, 10, 27}, {3, 0, 0, 0})));
}

// Each day's runs as "HH:MM what operand", the seconds left out: right after the jump means
// within the minute.
std::vector<std::string> RunsOfTheDay(const std::string& output, const std::string& day) {
  std::vector<std::string> runs;
  for (const std::string& line : Lines(output)) {
    if (line.starts_with(day)) {
      std::istringstream fields(line.substr(11));
      std::string time, what, command, operand;
      fields >> time >> what >> command >> operand;
      runs.push_back(time.substr(0, 5) + " " + what + " " + operand);
    }
  }
  std::sort(runs.begin(), runs.end());
  return runs;
}

// The hour the clock skips in spring held occurrences that neither ran nor were reported (one
// in its first minute was "missed"), so a daily event lost a day each spring. They run once,
// right after the jump; in autumn the hour shown twice runs each occurrence once.
TEST(SimTool, SummerTimeChangesRunEveryOccurrenceOnce) {
  struct Case {
    const char* zone;
    const char* rules;
    CivilDate spring;
    CivilDate autumn;  // the hour shown twice: 01:00 in New York, 02:00 elsewhere
  };
  const Case cases[] = {
      {"Europe/Berlin", kCentralEurope, {2024, 3, 31}, {2024, 10, 27}},
      {"America/New_York", "EST5EDT,M3.2.0,M11.1.0", {2024, 3, 10}, {2024, 11, 3}},
      {"Australia/Sydney", "AEST-10AEDT,M10.1.0,M4.1.0/3", {2024, 10, 6}, {2024, 4, 7}},
  };
  EventLists lists;
  // b twice: identical tasks at two times of the skipped hour are two occurrences.
  for (const auto& [h, m, s, name] :
       {std::tuple{1, 30, 0, "a"}, std::tuple{2, 0, 30, "b"}, std::tuple{2, 30, 0, "c"},
        std::tuple{3, 0, 0, "d"}, std::tuple{2, 45, 0, "b"}}) {
    lists[EventKind::Daily].Append(
        {EncodeTime(h, m, s, 0), kCmdDeleteFile, name, "", false, true, false});
  }
  for (const Case& c : cases) {
    TimeZone zone(c.rules);
    for (const CivilDate day : {c.spring, c.autumn}) {
      const std::int64_t from = *UtcOfLocal(day, {0, 0, 0, 0});
      std::ostringstream out, err;
      DryRun(lists, LiveSettings{}, nullptr,
             {from, from + 12 * 3'600'000LL, true, 0, LocalTimeOf, {}, {}}, true, out, err);
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.year, day.month, day.day);
      const std::vector<std::string> expected =
          day == c.spring ? std::vector<std::string>{"01:30 ran a", "03:00 ran b", "03:00 ran b",
                                                     "03:00 ran c", "03:00 ran d"}
                          : std::vector<std::string>{"01:30 ran a", "02:00 ran b", "02:30 ran c",
                                                     "02:45 ran b", "03:00 ran d"};
      EXPECT_EQ(RunsOfTheDay(out.str(), date), expected) << c.zone << " " << date;
      EXPECT_EQ(Lines(out.str()).size(), 5u) << c.zone << " " << date << "\n" << out.str();
    }
  }
}
// Switched off half a minute before the jump: the entry already waiting for the hour's first
// second still runs, right after the jump and not as missed; nothing else of the skipped hour
// runs, neither at the jump nor when the switch goes on again.
TEST(SimTool, ASwitchedOffSchedulerAcrossTheSpringJumpRunsOnlyWhatWaited) {
  TimeZone zone(kCentralEurope);
  const CivilDate spring{2024, 3, 31};
  EventLists lists;
  for (const auto& [h, m, name] : {std::tuple{1, 0, "y"}, std::tuple{2, 0, "w"},
                                   std::tuple{2, 30, "x"}, std::tuple{3, 30, "z"}}) {
    lists[EventKind::Daily].Append(
        {{EncodeTime(h, m, 0, 0), kCmdDeleteFile, name, {}, false}, true, false});
  }
  VirtualTimers timers({*UtcOfLocal(spring, {0, 30, 0, 0}), LocalTimeOf});
  testing::ScriptedPrompts prompts;
  testing::RecordingShell shell;
  testing::FakeSoundPlayer sound;
  LiveSettings settings;
  Scheduler scheduler(lists, settings,
                      {timers.LocalClock(), prompts, shell, sound, timers, [] { return 0; }});
  scheduler.SetActive(true);
  timers.SwitchActiveAt(*UtcOfLocal(spring, {1, 59, 30, 0}), false);
  timers.SwitchActiveAt(*UtcOfLocal(spring, {4, 0, 0, 0}), true);
  timers.Run(scheduler, *UtcOfLocal(spring, {5, 0, 0, 0}), prompts);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"delete y", "delete w"}));
}
#endif

}  // namespace
}  // namespace zorvat::sim
