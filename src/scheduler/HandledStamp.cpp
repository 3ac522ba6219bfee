#include "scheduler/HandledStamp.h"

#include <charconv>

#include "base/Files.h"

namespace zorvat {
namespace {

constexpr std::string_view kUpTo = "UpTo=";
constexpr std::string_view kRan = "Ran=";

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

// "<ms>|<command>|<operand1>|<operand2>"; list files cannot store "|" in an operand.
std::optional<Task> RanTask(std::string_view text) {
  std::vector<std::string_view> fields;
  for (int i = 0; i < 3; ++i) {
    const std::size_t bar = text.find('|');
    if (bar == std::string_view::npos) {
      return std::nullopt;
    }
    fields.push_back(text.substr(0, bar));
    text.remove_prefix(bar + 1);
  }
  const auto instant = NumberOf<std::int64_t>(fields[0]);
  const auto command = NumberOf<unsigned>(fields[1]);
  if (!instant || !command || *command > 255) {
    return std::nullopt;
  }
  Task task;
  task.time = FromMilliseconds(*instant);
  task.command = static_cast<std::uint8_t>(*command);
  task.operand1 = fields[2];
  task.operand2 = text;
  return task;
}

}  // namespace

std::string EncodeStamp(const HandledStamp& stamp) {
  std::string text = std::string(kUpTo) + std::to_string(stamp.handledUpTo) + "\r\n";
  for (const Task& task : stamp.ran) {
    text += std::string(kRan) + std::to_string(ToMilliseconds(task.time)) + "|" +
            std::to_string(task.command) + "|" + task.operand1 + "|" + task.operand2 + "\r\n";
  }
  return text;
}

std::optional<HandledStamp> ParseStamp(std::string_view text) {
  std::optional<std::int64_t> upTo;
  HandledStamp stamp;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    if (line.starts_with(kUpTo)) {
      upTo = NumberOf<std::int64_t>(line.substr(kUpTo.size()));
    } else if (line.starts_with(kRan)) {
      if (std::optional<Task> task = RanTask(line.substr(kRan.size()))) {
        stamp.ran.push_back(std::move(*task));
      }
    }
  }
  if (!upTo) {
    return std::nullopt;
  }
  stamp.handledUpTo = *upTo;
  return stamp;
}

StampFile::StampFile(std::string_view programFolder) : path_(JoinPath(programFolder, kFileName)) {}

std::optional<HandledStamp> StampFile::Read() const {
  const std::optional<std::string> bytes = ReadFileBytes(path_);
  return bytes ? ParseStamp(*bytes) : std::nullopt;
}

void StampFile::Write(const HandledStamp& stamp) {
  ReplaceFileAtomically(path_, EncodeStamp(stamp));
}

}  // namespace zorvat
