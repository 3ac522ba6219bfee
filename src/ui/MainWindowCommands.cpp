// The main window's commands: menus, toolbar, keyboard and its own controls, through one table.
#include <windows.h>

#include <windowsx.h>

#include <array>

#include "ui/EventListView.h"
#include "ui/ListsArea.h"
#include "ui/MainWindow.h"
#include "ui/NewEventTree.h"
#include "ui/WindowIds.h"

namespace zorvat::ui {
namespace {

struct Command {
  int id;
  void (MainWindow::*handler)();
};

}  // namespace

void MainWindow::OnCommand(int id, int code, HWND control) {
  if (control && code != BN_CLICKED) {
    return;  // the command line's edit notifications and the like
  }
  static constexpr std::array<Command, 23> kCommands = {{
      {IDC_NEW_LIST, &MainWindow::OnNewList},
      {IDC_OPEN_LIST, &MainWindow::OnOpenList},
      {IDC_SAVE_LIST, &MainWindow::OnSaveList},
      {IDC_SAVE_LIST_AS, &MainWindow::OnSaveListAs},
      {IDC_RECENT_1, &MainWindow::OnOpenRecent1},
      {IDC_RECENT_2, &MainWindow::OnOpenRecent2},
      {IDC_RECENT_3, &MainWindow::OnOpenRecent3},
      {IDC_LIST_INFO, &MainWindow::OnListInfo},
      {IDC_TASK_LIST, &MainWindow::OnTaskList},
      {IDC_EXIT, &MainWindow::OnExit},
      {IDC_PROPERTIES, &MainWindow::OnProperties},
      {IDC_DELETE, &MainWindow::OnDeleteEvent},
      {IDC_UNDELETE, &MainWindow::OnUndeleteEvent},
      {IDC_OPTIONS, &MainWindow::OnOptions},
      {IDC_SWITCH_EXPLORER, &MainWindow::OnSwitchToExplorer},
      {IDC_SWITCH_USER_1, &MainWindow::OnSwitchToEntry1},
      {IDC_SWITCH_USER_2, &MainWindow::OnSwitchToEntry2},
      {IDC_SWITCH_USER_3, &MainWindow::OnSwitchToEntry3},
      {IDC_ABOUT, &MainWindow::OnAbout},
      {IDC_OPEN_FROM_TRAY, &MainWindow::OnOpenFromTray},
      {IDC_ACTIVE_ITEM, &MainWindow::OnActiveItem},
      {IDC_ACTIVE_CHECK, &MainWindow::OnActiveCheck},
      {IDC_HIDE_NEW_EVENTS, &MainWindow::OnHideNewEvents},
  }};
  if (const std::optional<EventKind> kind = ListsArea::ListShownBy(id)) {
    ShowList(*kind);
    return;
  }
  for (const Command& command : kCommands) {
    if (command.id == id) {
      (this->*command.handler)();
      return;
    }
  }
}

}  // namespace zorvat::ui
