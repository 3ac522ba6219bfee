// The main window's editing commands: the toolbar, the Edit menu, the list menu, their keys and
// the new-event tree reach them; each works on the shown list and its selected row.
#include "ui/EventListView.h"
#include "ui/ListsArea.h"
#include "ui/MainWindow.h"

namespace zorvat::ui {

EventEditing& MainWindow::Editing() {
  if (!editing_) {
    editing_ = std::make_unique<EventEditing>(
        setup_.document, prompts_, setup_.clock, setup_.live,
        setup_.editProperties ? setup_.editProperties : SystemPropertiesDialog(prompts_));
  }
  return *editing_;
}

std::optional<std::size_t> MainWindow::SelectedRow() const {
  return lists_->List(shownList_).SelectedRow();
}

void MainWindow::ShowEdited(bool changed) {
  if (!changed) {
    return;
  }
  MirrorLists();
  if (const auto row = SelectedRow()) {
    OnSelected(shownList_, *row);
  }
}

void MainWindow::OnNewEventTreeDoubleClick(int item) {
  ShowEdited(Editing().NewEvent(Handle(), shownList_, item));
}

void MainWindow::OnProperties() {
  ShowEdited(Editing().EditProperties(Handle(), shownList_, SelectedRow()));
}

void MainWindow::OnDeleteEvent() {
  ShowEdited(Editing().Delete(shownList_, SelectedRow()));
}

void MainWindow::OnUndeleteEvent() {
  ShowEdited(Editing().Undelete(shownList_, SelectedRow()));
}

}  // namespace zorvat::ui
