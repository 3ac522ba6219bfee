#include "ui/NewEventTree.h"

#include <string>
#include <utility>

#include "events/NewEventTree.h"
#include "shellkit/WideText.h"
#include "ui/Dpi.h"
#include "ui/Pictures.h"

namespace zorvat::ui {
namespace {

constexpr int kIndent = 19;

}  // namespace

NewEventTree::NewEventTree(Prompts& errors, HWND parent, IconListMaker kindIcons,
                           std::function<void(int item)> onDoubleClick)
    : Window(errors), makeIcons_(std::move(kindIcons)), onDoubleClick_(std::move(onDoubleClick)) {
  // No label editing: the items are fixed.
  CreateControl(WC_TREEVIEWW, WS_EX_CLIENTEDGE, L"",
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                    TVS_LINESATROOT | TVS_TRACKSELECT,
                parent);
  OnDpiChanged(Dpi::Of(Handle()).Value());

  // An item's parent is the latest item one level up.
  std::vector<HTREEITEM> latestAtDepth;
  int index = 0;
  for (const NewEventTreeItem& item : NewEventTreeItems()) {
    std::wstring caption = Widen(item.caption);
    TVINSERTSTRUCTW insert{};
    insert.hParent = item.depth == 0 ? TVI_ROOT : latestAtDepth.at(item.depth - 1);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = caption.data();
    insert.item.iImage = static_cast<int>(item.icon);
    insert.item.iSelectedImage = static_cast<int>(item.icon);
    insert.item.lParam = index++;
    const HTREEITEM added = TreeView_InsertItem(Handle(), &insert);
    latestAtDepth.resize(item.depth + 1);
    latestAtDepth[item.depth] = added;
  }
  TreeView_Expand(Handle(), TreeView_GetRoot(Handle()), TVE_EXPAND);
}

// The tree holds the new icons before the old ones go.
void NewEventTree::OnDpiChanged(int dpi) {
  shellkit::ImageList icons = makeIcons_(SmallIconSize(dpi));
  TreeView_SetImageList(Handle(), icons.get(), TVSIL_NORMAL);
  icons_ = std::move(icons);
  TreeView_SetIndent(Handle(), Dpi(dpi)(kIndent));
}

std::optional<int> NewEventTree::SelectedItem() const {
  TVITEMW item{};
  item.mask = TVIF_PARAM;
  item.hItem = TreeView_GetSelection(Handle());
  if (!item.hItem || !TreeView_GetItem(Handle(), &item)) {
    return std::nullopt;
  }
  return static_cast<int>(item.lParam);
}

std::optional<LRESULT> NewEventTree::OnReflected(UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != NM_DBLCLK) {
    return std::nullopt;
  }
  // The first click of the double click selected the item.
  if (const auto item = SelectedItem(); item && onDoubleClick_) {
    onDoubleClick_(*item);
  }
  return 0;  // a group item still opens or closes
}

}  // namespace zorvat::ui
