#pragma once

#include <windows.h>

#include "base/DateTime.h"

namespace zorvat {

// A date-time value as the system's calendar fields, to the millisecond, and back.
SYSTEMTIME ToSystemTime(DateTime value);
DateTime FromSystemTime(const SYSTEMTIME& time);

}  // namespace zorvat
