#include "ui/NewEventTree.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "events/NewEventTree.h"
#include "shellkit/WideText.h"
#include "win/ParentWindow.h"

namespace zorvat::ui {
namespace {

struct ShownItem {
  std::string caption;
  int icon = 0;
  int depth = 0;
  bool expanded = false;
  friend bool operator==(const ShownItem&, const ShownItem&) = default;
};

// Every item of the tree, depth first, as the tree holds it.
void Collect(HWND tree, HTREEITEM item, int depth,  // NOLINT(misc-no-recursion): the tree's depth
             std::vector<ShownItem>& shown) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[64] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 64;
    data.stateMask = TVIS_EXPANDED;
    TreeView_GetItem(tree, &data);
    shown.push_back({Narrow(text), data.iImage, depth, (data.state & TVIS_EXPANDED) != 0});
    Collect(tree, TreeView_GetChild(tree, item), depth + 1, shown);
  }
}

class NewEventTreeTest : public ::testing::Test {
 protected:
  NewEventTreeTest() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const auto icons = [](int size) {
      shellkit::ImageList list(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 13, 0));
      for (int i = 0; i < 13; ++i) {
        ImageList_AddIcon(list.get(), LoadIconW(nullptr, IDI_APPLICATION));
      }
      return list;
    };
    tree = std::make_unique<NewEventTree>(prompts, parent.Handle(), icons,
                                          [this](int item) { doubleClicked.push_back(item); });
    SetWindowPos(tree->Handle(), nullptr, 0, 0, 200, 400, SWP_NOZORDER);
  }

  zorvat::testing::ScriptedPrompts prompts;
  ParentWindow parent{prompts, 200, 400};
  std::unique_ptr<NewEventTree> tree;
  std::vector<int> doubleClicked;
};

TEST_F(NewEventTreeTest, HoldsTheCoresItemsNestedWithTheirIconsAndOnlyTheRootOpen) {
  std::vector<ShownItem> expected;
  for (const NewEventTreeItem& item : NewEventTreeItems()) {
    expected.push_back(
        {std::string(item.caption), static_cast<int>(item.icon), item.depth, item.depth == 0});
  }
  std::vector<ShownItem> shown;
  Collect(tree->Handle(), TreeView_GetRoot(tree->Handle()), 0, shown);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(TreeView_GetIndent(tree->Handle()), 19u);
  EXPECT_EQ(tree->SelectedItem(), std::nullopt);
}

TEST_F(NewEventTreeTest, ADoubleClickReportsTheAbsoluteIndexOfTheSelectedItem) {
  // "Copy" sits under "Fileroutines", closed at start: selecting it opens its parent.
  HTREEITEM copy = TreeView_GetChild(tree->Handle(), TreeView_GetRoot(tree->Handle()));
  for (int i = 0; i < 3; ++i) {
    copy = TreeView_GetNextSibling(tree->Handle(), copy);
  }
  copy = TreeView_GetChild(tree->Handle(), copy);
  ASSERT_TRUE(TreeView_SelectItem(tree->Handle(), copy));
  RECT place{};
  ASSERT_TRUE(TreeView_GetItemRect(tree->Handle(), copy, &place, TRUE));

  const LPARAM at = MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  SendMessageW(tree->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  EXPECT_EQ(doubleClicked, std::vector<int>{5});
}

}  // namespace
}  // namespace zorvat::ui
