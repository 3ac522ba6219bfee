// The list document's commands on the menus, the toolbar, the keys and the tray, and what the
// window shows of the document after each.
#include <windows.h>

#include "base/ErrorBoundary.h"
#include "events/RecentFiles.h"
#include "ui/ClockFont.h"
#include "ui/ListsArea.h"
#include "ui/MainWindow.h"
#include "ui/WindowIds.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

constexpr std::array<int, RecentFiles::kCount> kRecentIds = {IDC_RECENT_1, IDC_RECENT_2,
                                                             IDC_RECENT_3};

// Finds the item by its command id in the menu or any of its submenus.
void SetMenuText(HMENU menu, int id, const std::string& text) {
  std::wstring wide = Widen(text);
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_STRING;
  item.dwTypeData = wide.data();
  SetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &item);
}

// A command that fails leaves the document as it was; the window shows the document either way,
// and the error goes on to the window's error box.
template <typename Command>
void ThenShow(MainWindow& window, Command command) {
  try {
    command();
  } catch (...) {
    window.ShowDocument();
    throw;
  }
  window.ShowDocument();
}

}  // namespace

void MainWindow::ShowDocument() {
  const ListDocument& document = setup_.document;
  MirrorLists();
  if (document.ListsReplaced() != listsShown_) {
    listsShown_ = document.ListsReplaced();
    lists_->ClearSelections();
  }
  SetText(Handle(), document.Caption());
  const HMENU menus[] = {GetMenu(Handle()), trayMenu_.get()};
  for (std::size_t i = 0; i < kRecentIds.size(); ++i) {
    const std::string text = RecentMenuText(document.Recent()[i], i + 1);
    for (const HMENU menu : menus) {
      SetMenuText(menu, kRecentIds[i], text);
    }
  }
  SetMenuText(GetMenu(Handle()), IDC_LIST_INFO, document.InfoItemCaption());
  DrawMenuBar(Handle());
}

// Rows and keys made from now on, and the clock, use the formats the user just chose.
void MainWindow::OnSettingChange(const wchar_t* area) {
  if (!area || lstrcmpiW(area, L"intl") != 0 || !setup_.readRegionalFormats) {
    return;
  }
  setup_.formats = setup_.readRegionalFormats();
  setup_.document.SetRegionalFormats(setup_.formats);
  shellkit::Font clock = MakeClockFont(setup_.formats, dpi_, dpi_(kClockWidth));
  lists_->SetClockFont(clock.get());
  fonts_.clock = std::move(clock);
  OnClockTick();
}

void MainWindow::OnNewList() {
  ThenShow(*this, [this] { setup_.document.New(); });
}
void MainWindow::OnOpenList() {
  ThenShow(*this, [this] { setup_.document.Open(); });
}
void MainWindow::OnSaveList() {
  ThenShow(*this, [this] { setup_.document.Save(); });
}
void MainWindow::OnSaveListAs() {
  ThenShow(*this, [this] { setup_.document.SaveAs(); });
}
void MainWindow::OnOpenRecent1() {
  ThenShow(*this, [this] { setup_.document.OpenRecent(1); });
}
void MainWindow::OnOpenRecent2() {
  ThenShow(*this, [this] { setup_.document.OpenRecent(2); });
}
void MainWindow::OnOpenRecent3() {
  ThenShow(*this, [this] { setup_.document.OpenRecent(3); });
}
// Files other starts handed over, one at a time in the order they came: the end of each
// reading's spell posts the next.
void MainWindow::OpenHandedOver() {
  if (const std::optional<std::string> file = gate_.NextHandedOver()) {
    RunModal(
        [this, &file] { ThenShow(*this, [this, &file] { setup_.document.ReadFile(*file); }); });
  }
}

// A failing write shows one box, not one per tick while it stays open.
void MainWindow::OnAutoSaveTick() {
  // Most ticks have nothing to save: the lists are mirrored again only after a write.
  RunTickShowingErrors(prompts_, autoSaveErrorOpen_, [this] {
    if (setup_.document.AutoSave()) {
      ShowDocument();
    }
  });
}

}  // namespace zorvat::ui
