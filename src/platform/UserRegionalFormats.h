#pragma once

#include "base/RegionalFormats.h"

namespace zorvat {

// The user's short date and long time pictures, AM/PM designators, day and month names.
RegionalFormats ReadUserRegionalFormats();

}  // namespace zorvat
