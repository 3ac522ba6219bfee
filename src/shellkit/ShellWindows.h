#pragma once

#include <cstdint>

namespace zorvat::shellkit {

// Switches of the Windows taskbar, the minimized-window metrics and one of the program's own
// windows. The value carries a window handle for selector 8, hence its full pointer width.
//  1 taskbar shown (flag != 0) or hidden; 1 when it was visible before
//  2 minimized width := value, stored; 1 on success
//  3 both minimized gaps := value, stored; 1 on success
//  4 minimized width; 5 its horizontal gap
//  6 "DragFullWindows" := flag; 1
//  8 window `value` hidden (flag 1) or shown; 1 when it was visible before
//  9 start button vanishes (flag 1) or shows again; 0
// 10 start button disabled (flag 1) or enabled; 0
// Anything else, 7 included, does nothing and gives 0. A window that cannot be found is left.
std::int16_t ShellWindowControl(std::uint8_t selector, std::uint8_t flag, std::intptr_t value);

}  // namespace zorvat::shellkit
