#pragma once

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>

#include "events/ListHeadings.h"
#include "shellkit/WideText.h"

namespace zorvat::ui {

inline void AddListColumn(HWND list, int index, const ListColumn& column, int width) {
  std::wstring caption = Widen(column.caption);
  LVCOLUMNW description{};
  description.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  description.fmt = column.rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
  description.cx = width;
  description.pszText = caption.data();
  description.iSubItem = index;
  SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&description));
}

// Adds the core's columns to a report-view list, each `pixels(column.width)` wide.
template <typename Pixels>
void AddListColumns(HWND list, std::span<const ListColumn> columns, Pixels pixels) {
  int index = 0;
  for (const ListColumn& column : columns) {
    AddListColumn(list, index++, column, pixels(column.width));
  }
}
template <typename Row, typename Pixels>
void AddListColumns(HWND list, std::span<const RowColumn<Row>> columns, Pixels pixels) {
  int index = 0;
  for (const RowColumn<Row>& column : columns) {
    AddListColumn(list, index++, column.header, pixels(column.header.width));
  }
}

// Row `index`, which the list holds, shows `row` in the columns' cells.
template <typename Row>
void SetRowTexts(HWND list, int index, const Row& row, std::span<const RowColumn<Row>> columns) {
  int column = 0;
  for (const RowColumn<Row>& each : columns) {
    std::wstring text = Widen(row.*each.cell);
    ListView_SetItemText(list, index, column++, text.data());
  }
}

}  // namespace zorvat::ui
