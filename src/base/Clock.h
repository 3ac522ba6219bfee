#pragma once

#include <cstdint>

#include "base/DateTime.h"

namespace zorvat {

// Local date and time now, to the millisecond.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
};

// A clock that shows what it is told: tests and the dry run drive time with it.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(DateTime now = 0) : now_(now) {}
  DateTime Now() const override { return now_; }
  void Set(DateTime now) { now_ = now; }
  void Advance(std::int64_t milliseconds) {
    now_ = FromMilliseconds(ToMilliseconds(now_) + milliseconds);
  }

 private:
  DateTime now_;
};

}  // namespace zorvat
