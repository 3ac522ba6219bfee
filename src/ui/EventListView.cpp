#include "ui/EventListView.h"

#include <windowsx.h>

#include <optional>
#include <utility>

#include "base/ScopeGuard.h"
#include "shellkit/ShellLibrary.h"
#include "shellkit/WideText.h"
#include "ui/Dpi.h"
#include "ui/ListColumns.h"
#include "ui/Pictures.h"

namespace zorvat::ui {
namespace {

const EventRows kNoRows;

// The control asks for the row's text when it needs it.
void SetItemTextWanted(HWND list, std::size_t row, int column) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

bool IsChecked(UINT state) {
  return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

}  // namespace

EventListView::EventListView(Prompts& errors, HWND parent, std::span<const ListColumn> columns,
                             IconListMaker kindIcons, Callbacks callbacks)
    : Window(errors), makeKindIcons_(std::move(kindIcons)), callbacks_(std::move(callbacks)) {
  // No label editing, no border; the image lists belong to this object, not to the control.
  CreateControl(WC_LISTVIEWW, 0, L"",
                WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL |
                    LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                parent);
  // One-click activation is the hot tracking with the hand cursor; no select-on-hover.
  const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT |
                         LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP;
  ListView_SetExtendedListViewStyleEx(Handle(), extended, extended);
  const Dpi dpi = Dpi::Of(Handle());
  AddListColumns(Handle(), columns, dpi);
  kindIcons_ = makeKindIcons_(SmallIconSize(dpi.Value()));
  Mirror(kNoRows);
}

std::map<std::string, int> EventListView::RebuildImages(const EventRows& rows) {
  std::map<std::string, shellkit::Icon> kept;
  std::map<std::string, int> indexes;
  shellkit::ImageList images(ImageList_Duplicate(kindIcons_.get()));
  std::optional<shellkit::ShellLibrary> shell;
  for (std::size_t i = 0; i < rows.Count(); ++i) {
    const RowIcon& icon = rows[i].icon;
    if (icon.source != RowIcon::Source::FileIcon || indexes.contains(icon.file)) {
      continue;
    }
    // Earlier mirrors looked the file up already; the shell is asked only for new files.
    auto known = fileIcons_.find(icon.file);
    shellkit::Icon fileIcon;
    if (known != fileIcons_.end()) {
      fileIcon = std::move(known->second);
    } else {
      if (!shell) {
        shell.emplace();
      }
      fileIcon = shell->FileIcon(icon.file);
    }
    indexes[icon.file] = fileIcon ? ImageList_AddIcon(images.get(), fileIcon.get()) : I_IMAGENONE;
    kept[icon.file] = std::move(fileIcon);
  }
  ListView_SetImageList(Handle(), images.get(), LVSIL_SMALL);
  images_ = std::move(images);
  fileIcons_ = std::move(kept);
  return indexes;
}

void EventListView::Mirror(const EventRows& rows) {
  const auto mirroring = FlagForScope(mirroring_);
  rows_ = &rows;
  SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  const std::map<std::string, int> fileImages = RebuildImages(rows);
  const auto existing = static_cast<std::size_t>(ListView_GetItemCount(Handle()));
  for (std::size_t i = 0; i < rows.Count(); ++i) {
    const RowIcon& icon = rows[i].icon;
    int image = I_IMAGENONE;
    if (icon.source == RowIcon::Source::KindIcon) {
      image = icon.index;
    } else if (icon.source == RowIcon::Source::FileIcon) {
      image = fileImages.at(icon.file);
    }
    MirrorRow(i, rows[i], image, i >= existing);
  }
  for (std::size_t i = existing; i > rows.Count(); --i) {
    ListView_DeleteItem(Handle(), static_cast<int>(i - 1));
  }
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void EventListView::ClearSelection() {
  const auto mirroring = FlagForScope(mirroring_);
  ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void EventListView::MirrorRow(std::size_t index, const EventRow& row, int image, bool insert) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = static_cast<int>(index);
  item.pszText = LPSTR_TEXTCALLBACKW;
  item.iImage = image;
  SendMessageW(Handle(), insert ? LVM_INSERTITEMW : LVM_SETITEMW, 0,
               reinterpret_cast<LPARAM>(&item));
  if (insert) {
    SetItemTextWanted(Handle(), index, 1);
    SetItemTextWanted(Handle(), index, 2);
  }
  ListView_SetCheckState(Handle(), static_cast<int>(index), row.checked);
}

void EventListView::OnTextWanted(LVITEMW& item) {
  if (!(item.mask & LVIF_TEXT) || item.pszText == nullptr || item.cchTextMax <= 0) {
    return;
  }
  std::wstring text;
  if (rows_ && item.iItem >= 0 && static_cast<std::size_t>(item.iItem) < rows_->Count()) {
    const EventRow& row = (*rows_)[static_cast<std::size_t>(item.iItem)];
    text = Widen(item.iSubItem == 0   ? row.caption
                 : item.iSubItem == 1 ? row.eventText
                                      : row.queryText);
  }
  lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
}

std::optional<std::size_t> EventListView::SelectedRow() const {
  const int row = ListView_GetNextItem(Handle(), -1, LVNI_SELECTED);
  if (row < 0) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(row);
}

void EventListView::SetColumnCaption(int column, std::string_view caption) {
  std::wstring wide = Widen(caption);
  LVCOLUMNW description{};
  description.mask = LVCF_TEXT;
  description.pszText = wide.data();
  SendMessageW(Handle(), LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
}

void EventListView::FitEventColumn() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int rest =
      client.right - ListView_GetColumnWidth(Handle(), 0) - ListView_GetColumnWidth(Handle(), 2);
  ListView_SetColumnWidth(Handle(), 1, rest > 0 ? rest : 0);
}

void EventListView::OnDpiChanged(int fromDpi, int toDpi) {
  for (const int column : {0, 2}) {
    const int width = ListView_GetColumnWidth(Handle(), column);
    ListView_SetColumnWidth(Handle(), column, MulDiv(width, toDpi, fromDpi));
  }
  FitEventColumn();
  // Mirroring the same rows again builds the image list afresh from the new kind icons.
  kindIcons_ = makeKindIcons_(SmallIconSize(toDpi));
  Mirror(rows_ ? *rows_ : kNoRows);
}

void EventListView::SetPopupMenu(HMENU menu, HWND commandWindow) {
  popupMenu_ = menu;
  commandWindow_ = commandWindow;
}

std::optional<LRESULT> EventListView::OnReflected(UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == LVN_ITEMCHANGED) {
      OnItemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
      return 0;
    }
    if (header->code == LVN_GETDISPINFOW) {
      OnTextWanted(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
      return 0;
    }
  } else if (message == WM_CONTEXTMENU && popupMenu_) {
    ShowPopupMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
  }
  return std::nullopt;
}

void EventListView::OnItemChanged(const NMLISTVIEW& change) {
  if (mirroring_ || !(change.uChanged & LVIF_STATE) || change.iItem < 0) {
    return;
  }
  const auto row = static_cast<std::size_t>(change.iItem);
  const UINT changed = change.uNewState ^ change.uOldState;
  // A box that had no state image before is being set up, not clicked.
  if ((changed & LVIS_STATEIMAGEMASK) && (change.uOldState & LVIS_STATEIMAGEMASK) &&
      callbacks_.onCheckChanged) {
    callbacks_.onCheckChanged(row, IsChecked(change.uNewState));
  }
  if ((changed & LVIS_SELECTED) && (change.uNewState & LVIS_SELECTED) && callbacks_.onSelected) {
    callbacks_.onSelected(row);
  }
}

void EventListView::ShowPopupMenu(POINT at) {
  if (at.x == -1 && at.y == -1) {
    // From the keyboard: at the selected row, or at the view's corner.
    RECT place{};
    const auto row = SelectedRow();
    if (!row || !ListView_GetItemRect(Handle(), static_cast<int>(*row), &place, LVIR_LABEL)) {
      GetClientRect(Handle(), &place);
    }
    at = {place.left, place.bottom};
    ClientToScreen(Handle(), &at);
  }
  TrackPopupMenuEx(popupMenu_, TPM_RIGHTBUTTON, at.x, at.y, commandWindow_, nullptr);
}

}  // namespace zorvat::ui
