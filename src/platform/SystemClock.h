#pragma once

#include "base/Clock.h"

namespace zorvat {

// Local time from GetLocalTime.
class SystemClock final : public Clock {
 public:
  DateTime Now() const override;
};

}  // namespace zorvat
