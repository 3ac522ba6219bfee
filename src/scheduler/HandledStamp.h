#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "events/Task.h"

namespace zorvat {

// What the scheduler has dealt with, kept on disk so that the next start knows where to look
// back from: every occurrence before `handledUpTo` (local time, milliseconds) was run, refused
// or given up; `ran` are the occurrences at or after it that ran already.
struct HandledStamp {
  std::int64_t handledUpTo = 0;
  std::vector<Task> ran;  // task.time is the instant
  friend bool operator==(const HandledStamp&, const HandledStamp&) = default;
};

// "UpTo=<ms>" and one "Ran=<ms>|<command>|<operand1>|<operand2>" line per task, UTF-8.
std::string EncodeStamp(const HandledStamp& stamp);
// Nothing when the text holds no "UpTo" line; lines that do not read are left out.
std::optional<HandledStamp> ParseStamp(std::string_view text);

class StampStore {
 public:
  virtual ~StampStore() = default;
  // Throws zorvat::Error when the write is refused.
  virtual void Write(const HandledStamp& stamp) = 0;
};

// The stamp as a file of its own beside the settings file, replaced atomically at each write:
// a crash in the middle leaves the old stamp or the new one.
class StampFile final : public StampStore {
 public:
  static constexpr std::string_view kFileName = "Zorvat.stamp";

  // programFolder: UTF-8, with or without its trailing separator.
  explicit StampFile(std::string_view programFolder);

  const std::string& Path() const { return path_; }
  std::optional<HandledStamp> Read() const;
  void Write(const HandledStamp& stamp) override;

 private:
  std::string path_;
};

}  // namespace zorvat
