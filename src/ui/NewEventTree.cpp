#include "ui/NewEventTree.h"

#include <string>
#include <utility>

#include "events/NewEventTree.h"
#include "shellkit/WideText.h"
#include "ui/Dpi.h"

namespace zorvat::ui {
namespace {

constexpr int kIndent = 19;

}  // namespace

NewEventTree::NewEventTree(HWND parent, HIMAGELIST kindIcons,
                           std::function<void(int item)> onDoubleClick)
    : parent_(parent),
      icons_(ImageList_Duplicate(kindIcons)),
      onDoubleClick_(std::move(onDoubleClick)) {
  // No label editing: the items are fixed.
  window_.reset(CheckedWindow(
      CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                          TVS_LINESATROOT | TVS_TRACKSELECT,
                      0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr),
      "new-event tree"));
  TreeView_SetImageList(window_.get(), icons_.get(), TVSIL_NORMAL);
  ScaleIndent();

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
    insert.item.iImage = item.icon;
    insert.item.iSelectedImage = item.icon;
    insert.item.lParam = index++;
    const HTREEITEM added = TreeView_InsertItem(window_.get(), &insert);
    latestAtDepth.resize(item.depth + 1);
    latestAtDepth[item.depth] = added;
  }
  TreeView_Expand(window_.get(), TreeView_GetRoot(window_.get()), TVE_EXPAND);
  SetWindowSubclass(parent_, &NewEventTree::ParentProcedure, reinterpret_cast<UINT_PTR>(this),
                    reinterpret_cast<DWORD_PTR>(this));
}

NewEventTree::~NewEventTree() {
  RemoveWindowSubclass(parent_, &NewEventTree::ParentProcedure, reinterpret_cast<UINT_PTR>(this));
}

void NewEventTree::ScaleIndent() {
  TreeView_SetIndent(window_.get(), Dpi::Of(window_.get())(kIndent));
}

std::optional<int> NewEventTree::SelectedItem() const {
  TVITEMW item{};
  item.mask = TVIF_PARAM;
  item.hItem = TreeView_GetSelection(window_.get());
  if (!item.hItem || !TreeView_GetItem(window_.get(), &item)) {
    return std::nullopt;
  }
  return static_cast<int>(item.lParam);
}

LRESULT CALLBACK NewEventTree::ParentProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR self) noexcept {
  auto* tree = reinterpret_cast<NewEventTree*>(self);
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom == tree->window_.get() && header->code == NM_DBLCLK) {
      // The first click of the double click selected the item.
      if (const auto item = tree->SelectedItem(); item && tree->onDoubleClick_) {
        tree->onDoubleClick_(*item);
      }
      return 0;  // a group item still opens or closes
    }
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace zorvat::ui
