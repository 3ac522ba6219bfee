#pragma once

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>

#include "events/ListHeadings.h"
#include "shellkit/WideText.h"

namespace zorvat::ui {

// Adds the core's columns to a report-view list, each `pixels(column.width)` wide.
template <typename Pixels>
void AddListColumns(HWND list, std::span<const ListColumn> columns, Pixels pixels) {
  int index = 0;
  for (const ListColumn& column : columns) {
    std::wstring caption = Widen(column.caption);
    LVCOLUMNW description{};
    description.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    description.fmt = column.rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    description.cx = pixels(column.width);
    description.pszText = caption.data();
    description.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&description));
    ++index;
  }
}

}  // namespace zorvat::ui
