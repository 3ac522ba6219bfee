#pragma once

#include <cstdint>

#include "base/DateTime.h"

namespace zorvat {

// Local date and time now, to the millisecond.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
  // How far local time is ahead of UTC now, in milliseconds. It grows when summer time begins:
  // the local times the clock then skips do not exist that day.
  virtual std::int64_t UtcOffset() const { return 0; }
};

// A clock that shows what it is told: tests and the dry run drive time with it.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(DateTime now = 0) : now_(now) {}
  DateTime Now() const override { return now_; }
  std::int64_t UtcOffset() const override { return utcOffset_; }
  void Set(DateTime now) { now_ = now; }
  void SetUtcOffset(std::int64_t milliseconds) { utcOffset_ = milliseconds; }
  void Advance(std::int64_t milliseconds) {
    now_ = FromMilliseconds(ToMilliseconds(now_) + milliseconds);
  }

 private:
  DateTime now_;
  std::int64_t utcOffset_ = 0;
};

}  // namespace zorvat
