#pragma once

#include "base/RegionalFormats.h"
#include "shellkit/Handles.h"
#include "ui/Dpi.h"

namespace zorvat::ui {

// The clock label's font: Arial 27 px bold, or the largest smaller size at which every long
// time of the formats fits `width` device pixels in one line (a 12-hour time with its AM/PM
// does not fit the side panel at 27 px).
shellkit::Font MakeClockFont(const RegionalFormats& formats, const Dpi& dpi, int width);

}  // namespace zorvat::ui
