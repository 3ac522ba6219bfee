#pragma once

#include <windows.h>

#include "shellkit/Handles.h"

namespace zorvat::ui {

// An image list of the icon resources `first` … `first + count - 1` of `module`, `size` pixels
// square. When every icon holds a 32-bit image of exactly that size, their pixels go into the
// list in one piece: Wine spends milliseconds on each icon added alone, and a start adds dozens.
// Otherwise the system loads and scales each icon.
shellkit::ImageList IconImageList(HMODULE module, int first, int count, int size);

// The program's icons of the kinds of event, in their order, `size` pixels square.
shellkit::ImageList KindIconImageList(int size);

}  // namespace zorvat::ui
