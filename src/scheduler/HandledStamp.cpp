#include "scheduler/HandledStamp.h"

#include <charconv>

#include "base/Error.h"
#include "base/Files.h"
#include "scheduler/TaskSet.h"

namespace zorvat {
namespace {

constexpr std::string_view kUpTo = "UpTo=";
constexpr std::string_view kRan = "Ran=";
constexpr std::string_view kIntent = "Intent=";

// 0001-01-01 and the end of 9999-12-31: what the date-time value can hold.
constexpr std::int64_t kDayMs = 86'400'000;
constexpr std::int64_t kEarliestMs = -std::int64_t{693'593} * kDayMs;
constexpr std::int64_t kLatestMs = std::int64_t{2'958'466} * kDayMs;

template <typename Number>
std::optional<Number> NumberOf(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::int64_t> InstantOf(std::string_view text) {
  const std::optional<std::int64_t> ms = NumberOf<std::int64_t>(text);
  if (!ms || *ms < kEarliestMs || *ms >= kLatestMs) {
    return std::nullopt;
  }
  return ms;
}

// "<ms>|<command>|<operand1>|<operand2>"; list files cannot store "|" in an operand.
std::optional<Task> StampedTask(std::string_view text, std::int64_t upTo) {
  std::string_view fields[3];
  for (std::string_view& field : fields) {
    const std::size_t bar = text.find('|');
    if (bar == std::string_view::npos) {
      return std::nullopt;
    }
    field = text.substr(0, bar);
    text.remove_prefix(bar + 1);
  }
  const auto instant = InstantOf(fields[0]);
  const auto command = NumberOf<unsigned>(fields[1]);
  if (!instant || *instant < upTo || !command || *command > 255) {
    return std::nullopt;
  }
  Task task;
  task.time = FromMilliseconds(*instant);
  task.command = static_cast<std::uint8_t>(*command);
  task.operand1 = fields[2];
  task.operand2 = text;
  return task;
}

template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    visit(line);
  }
}

std::string Line(std::string_view key, const Task& task) {
  return std::string(key) + std::to_string(ToMilliseconds(task.time)) + "|" +
         std::to_string(task.command) + "|" + task.operand1 + "|" + task.operand2 + "\r\n";
}

std::string DamagedStampMessage(const std::string& path) {
  return "The file \"" + path +
         "\" cannot be read. Events missed since Zorvat last ran cannot be listed.";
}

}  // namespace

std::string EncodeStamp(const HandledStamp& stamp) {
  std::string text = std::string(kUpTo) + std::to_string(stamp.handledUpTo) + "\r\n";
  for (const Task& task : stamp.ran) {
    text += Line(kRan, task);
  }
  for (const Task& task : stamp.intended) {
    text += Line(kIntent, task);
  }
  return text;
}

std::optional<HandledStamp> ParseStamp(std::string_view text) {
  std::optional<std::int64_t> upTo;
  ForEachLine(text, [&](std::string_view line) {
    if (line.starts_with(kUpTo)) {
      upTo = InstantOf(line.substr(kUpTo.size()));
    }
  });
  if (!upTo) {
    return std::nullopt;
  }
  TaskSet ran;
  TaskSet intended;
  bool tooMany = false;
  ForEachLine(text, [&](std::string_view line) {
    const bool isRan = line.starts_with(kRan);
    if (tooMany || (!isRan && !line.starts_with(kIntent))) {
      return;
    }
    const std::size_t key = isRan ? kRan.size() : kIntent.size();
    if (std::optional<Task> task = StampedTask(line.substr(key), *upTo)) {
      (isRan ? ran : intended).Insert(*task);
      tooMany = ran.Size() + intended.Size() > kMostStampedTasks;
    }
  });
  if (tooMany) {
    return std::nullopt;
  }
  HandledStamp stamp{*upTo, ran.Tasks(), {}};
  for (const Task& task : intended.Tasks()) {
    if (!ran.Contains(task)) {  // what started is known to have started
      stamp.intended.push_back(task);
    }
  }
  return stamp;
}

StampFile::StampFile(std::string_view programFolder) : path_(JoinPath(programFolder, kFileName)) {}

std::optional<HandledStamp> StampFile::Read() const {
  if (NothingAt(path_)) {
    const std::optional<std::string> saved = ReadFileBytes(TemporaryFileFor(path_));
    if (!saved || !ParseStamp(*saved) || !RecoverInterruptedSave(path_)) {
      return std::nullopt;
    }
  }
  const FileBytes file = ReadWholeFile(path_);
  if (file.outcome == ReadOutcome::Missing) {
    return std::nullopt;
  }
  std::optional<HandledStamp> stamp;
  if (file.outcome == ReadOutcome::Read) {
    stamp = ParseStamp(file.bytes);
  }
  if (!stamp) {
    throw Error(DamagedStampMessage(path_));
  }
  return stamp;
}

void StampFile::Write(const HandledStamp& stamp) {
  ReplaceFileAtomically(path_, EncodeStamp(stamp));
}

}  // namespace zorvat
