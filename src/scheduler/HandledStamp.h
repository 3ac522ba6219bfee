#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "events/Task.h"

namespace zorvat {

// What the scheduler has dealt with, kept on disk so that the next start knows where to look
// back from: every occurrence before `handledUpTo` (local time, milliseconds) was run, refused
// or given up. At or after it, `ran` started (or the user declined them) and are never offered
// again; `intended` were about to start when the stamp was written, and whether they did is not
// known: the next start lists them rather than guess.
struct HandledStamp {
  std::int64_t handledUpTo = 0;
  std::vector<Task> ran;  // task.time is the instant
  std::vector<Task> intended;
  friend bool operator==(const HandledStamp&, const HandledStamp&) = default;
};

// More occurrences at or after the mark than any run can leave: such a stamp is damaged.
inline constexpr std::size_t kMostStampedTasks = 20'000;

// "UpTo=<ms>", then one "Ran=<ms>|<command>|<operand1>|<operand2>" line per task that ran and
// one "Intent=..." line per task about to run, UTF-8.
std::string EncodeStamp(const HandledStamp& stamp);
// Nothing when the text is no stamp: no "UpTo" line, a mark outside the calendar, or more than
// kMostStampedTasks occurrences at or after it. Lines before the mark, outside the calendar or
// that do not read are left out, and each occurrence is kept once.
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
  // Nothing when there is no stamp yet; a save that was cut short between its last two renames
  // is completed first. Throws zorvat::Error when a stamp is there but does not read.
  std::optional<HandledStamp> Read() const;
  void Write(const HandledStamp& stamp) override;

 private:
  std::string path_;
};

}  // namespace zorvat
