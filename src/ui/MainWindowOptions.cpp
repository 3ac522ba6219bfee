// The main window's options command, its "Switch to" menu, the waiting-tasks window and the
// information windows.
#include <windows.h>

#include "base/DateTime.h"
#include "base/Files.h"
#include "base/TextUtil.h"
#include "events/ListHeadings.h"
#include "events/ListInfo.h"
#include "platform/ProgramFile.h"
#include "scheduler/MissedEventRows.h"
#include "scheduler/Scheduler.h"
#include "settings/OptionsTable.h"
#include "settings/SwitchToMenu.h"
#include "shellkit/FileDetails.h"
#include "shellkit/Programs.h"
#include "shellkit/WideText.h"
#include "ui/EventListView.h"
#include "ui/ListInfoDialog.h"
#include "ui/ListsArea.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/WaitingTasksWindow.h"

namespace zorvat::ui {
namespace {

constexpr std::array<int, 3> kSwitchToEntryIds{IDC_SWITCH_USER_1, IDC_SWITCH_USER_2,
                                               IDC_SWITCH_USER_3};

}  // namespace

HMENU MainWindow::SwitchToMenu() const {
  const HMENU bar = GetMenu(Handle());
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    const HMENU popup = GetSubMenu(bar, i);
    if (popup && GetMenuState(popup, IDC_SWITCH_EXPLORER, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
      return popup;
    }
  }
  return nullptr;
}

// The entries after "Explorer" are made afresh: a hidden entry or separator is one not there.
void MainWindow::RefreshSwitchToMenu() {
  const HMENU menu = SwitchToMenu();
  if (!menu || !setup_.settings) {
    return;
  }
  const zorvat::SwitchToMenu entries =
      ReadSwitchToMenu(*setup_.settings, [](const std::string& path) { return FileExists(path); });
  while (GetMenuItemCount(menu) > 1) {
    DeleteMenu(menu, 1, MF_BYPOSITION);
  }
  if (entries.separatorVisible) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  }
  for (std::size_t i = 0; i < entries.entries.size(); ++i) {
    if (entries.entries[i].visible) {
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kSwitchToEntryIds[i]),
                  Widen(MenuItemName(entries.entries[i].caption)).c_str());
    }
  }
  DrawMenuBar(Handle());
}

void MainWindow::OnSwitchToExplorer() {
  shellkit::StartProgram(std::string(kExplorerProgram));
}

// The file is read afresh: the entry's caption plays no part.
void MainWindow::StartSwitchToEntry(int entry) {
  if (setup_.settings) {
    shellkit::StartProgram(SwitchToFile(*setup_.settings, entry));
  }
}

void MainWindow::OnOptions() {
  if (!setup_.settings) {
    return;
  }
  SettingsFile& settings = *setup_.settings;
  const OptionsValues shown =
      LoadOptions(settings, setup_.live, DecodeDate(setup_.clock.Now()), lastOptions_);
  const auto confirmed = EditOptions(
      Handle(), prompts_, shown, optionsPage_,
      [&settings](const OptionsValues& values) { settings.WriteAll(OptionsWrites(values)); });
  if (confirmed) {
    ApplyConfirmedOptions(*confirmed);
  }
}

// The settings are written; now what takes effect at once: the live settings, then what the
// options' rows name.
void MainWindow::ApplyConfirmedOptions(const OptionsValues& confirmed) {
  lastOptions_ = confirmed;
  ApplyOptions(confirmed, setup_.live);
  for (const OptionEffect effect : OptionEffects()) {
    switch (effect) {
      case OptionEffect::EventColumnHeaders:
        lists_->SetEventColumnCaption(EventKind::Weekly, WeeklyEventColumnHeader(setup_.live));
        lists_->SetEventColumnCaption(EventKind::Monthly, MonthlyEventColumnHeader(setup_.live));
        break;
      case OptionEffect::StartupShortcut:
        MaintainStartupShortcut(confirmed.autoStart);
        break;
      case OptionEffect::SwitchToMenu:
        RefreshSwitchToMenu();
        break;
      case OptionEffect::Scheduler:
        if (setup_.optionsApplied) {
          setup_.optionsApplied();
        }
        break;
      case OptionEffect::None:
        break;
    }
  }
}

void MainWindow::OnTaskList() {
  const Scheduler* scheduler = setup_.scheduler ? setup_.scheduler() : nullptr;
  if (!scheduler) {
    return;
  }
  if (!waitingTasks_) {
    waitingTasks_ = std::make_unique<WaitingTasksWindow>(application_.Handle(), gate_, prompts_,
                                                         scheduler->HotEntries(),
                                                         scheduler->ExecuteSlots(), setup_.formats);
    waitingTasks_->SetNote([scheduler] { return MissedEventsNote(scheduler->Missed()); });
  }
  waitingTasks_->Open();
}

// Only for a file that exists: an unnamed list or a file gone has nothing to describe.
void MainWindow::OnListInfo() {
  const std::string& file = setup_.document.CurrentFileName();
  if (file.empty() || !FileExists(file)) {
    return;
  }
  const shellkit::Icon icon = shellkit::GetFileIcon(file);
  const ListInfoTexts texts =
      ComposeListInfo(file, setup_.document.Lists(), shellkit::GetFileDetail(file, 1),
                      shellkit::GetFileDetail(file, 3), shellkit::GetFileDetail(file, 2));
  ShowListInfo(Handle(), prompts_, texts, icon.get());
}

void MainWindow::OnAbout() {
  ShowAbout(Handle(), prompts_);
}

}  // namespace zorvat::ui
