// The pictures beside menu items: the hot toolbar pictures, drawn by the window when the menu
// asks, so they follow the monitor's scale like the toolbar.
#include <windows.h>

#include <commctrl.h>

#include "ui/MainWindow.h"
#include "ui/TopBar.h"
#include "ui/WindowIds.h"

namespace zorvat::ui {
namespace {

enum class MenuOf { Main, Tray, List };

struct MenuImage {
  MenuOf menu;
  int command;
  int image;  // in the hot toolbar pictures
};

constexpr MenuImage kMenuImages[] = {
    {MenuOf::Main, IDC_NEW_LIST, 0},       {MenuOf::Main, IDC_OPEN_LIST, 1},
    {MenuOf::Main, IDC_SAVE_LIST, 2},      {MenuOf::Main, IDC_SAVE_LIST_AS, 2},
    {MenuOf::Main, IDC_RECENT_1, 0},       {MenuOf::Main, IDC_RECENT_2, 0},
    {MenuOf::Main, IDC_RECENT_3, 0},       {MenuOf::Main, IDC_EXIT, 4},
    {MenuOf::Main, IDC_PROPERTIES, 3},     {MenuOf::Main, IDC_OPTIONS, 5},
    {MenuOf::Tray, IDC_OPEN_FROM_TRAY, 1}, {MenuOf::Tray, IDC_OPTIONS, 5},
    {MenuOf::Tray, IDC_EXIT, 4},           {MenuOf::List, IDC_NEW_LIST, 0},
    {MenuOf::List, IDC_OPEN_LIST, 1},      {MenuOf::List, IDC_SAVE_LIST, 2},
    {MenuOf::List, IDC_SAVE_LIST_AS, 2},   {MenuOf::List, IDC_DELETE, 4},
    {MenuOf::List, IDC_PROPERTIES, 3},
};

}  // namespace

void MainWindow::AttachMenuImages() {
  const HMENU menus[] = {GetMenu(Handle()), trayMenu_.get(), listMenu_.get()};
  for (const MenuImage& entry : kMenuImages) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_BITMAP | MIIM_DATA;
    item.hbmpItem = HBMMENU_CALLBACK;
    item.dwItemData = static_cast<ULONG_PTR>(entry.image) + 1;
    SetMenuItemInfoW(menus[static_cast<int>(entry.menu)], static_cast<UINT>(entry.command), FALSE,
                     &item);
  }
}

void MainWindow::MeasureMenuImage(MEASUREITEMSTRUCT& item) const {
  item.itemWidth = static_cast<UINT>(dpi_(18));
  item.itemHeight = static_cast<UINT>(dpi_(18));
}

void MainWindow::DrawMenuImage(const DRAWITEMSTRUCT& item) const {
  if (item.itemData == 0) {
    return;
  }
  const int size = dpi_(18);
  const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - size) / 2;
  ImageList_Draw(topBar_->HotPictures(), static_cast<int>(item.itemData) - 1, item.hDC,
                 item.rcItem.left, top, ILD_TRANSPARENT);
}

}  // namespace zorvat::ui
