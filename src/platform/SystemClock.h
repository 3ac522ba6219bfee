#pragma once

#include "base/Clock.h"

namespace zorvat {

// Local time from GetLocalTime; the offset from the time-zone information in force.
class SystemClock final : public Clock {
 public:
  DateTime Now() const override;
  std::int64_t UtcOffset() const override;
};

}  // namespace zorvat
