#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "base/ModalGate.h"
#include "base/Prompts.h"
#include "base/RegionalFormats.h"
#include "scheduler/CatchUpPorts.h"
#include "scheduler/Occurrences.h"
#include "shellkit/Handles.h"

namespace zorvat::ui {

// "Missed events": what fell due while the computer slept or Zorvat was not running, one row
// per event. Not modal: the scheduler goes on meanwhile. A modeless dialog, so the message loop
// hands it its keys through IsDialogMessage (`Handle()`). Its button runs through the gate: the
// question a task asks is a box like any other. Closing it ends the list: each reminder is shown
// once.
class MissedEventsWindow final : public MissedEventsView {
 public:
  struct Source {
    std::function<const MissedEvents*()> missed;  // nothing while there is no scheduler
    std::function<bool(std::size_t row)> runLate;
    std::function<void()> clear;
  };

  MissedEventsWindow(HWND owner, ModalGate& gate, Prompts& prompts, const RegionalFormats& formats,
                     Source source);
  ~MissedEventsWindow() override;
  MissedEventsWindow(const MissedEventsWindow&) = delete;
  MissedEventsWindow& operator=(const MissedEventsWindow&) = delete;

  // Made at the first call, then shown with fresh rows.
  void ShowMissed() override;
  void Close();

  HWND Handle() const { return dialog_; }
  HWND List() const;

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateColumns();
  // The template's layout and font at the scale of a monitor of `dpi`, the columns widened or
  // narrowed with them, the window on the rectangle the system suggests.
  void OnDpiChanged(int dpi, const RECT& suggested);
  void Fill();
  void FollowSelection();
  void OnRun();
  int SelectedRow() const;

  HWND owner_;
  ModalGate& gate_;
  Prompts& prompts_;
  const RegionalFormats& formats_;  // live: kept up to date by their owner
  Source source_;
  HWND dialog_ = nullptr;
  int createdDpi_ = 0;
  int dpi_ = 0;
  // Where each control lay when the dialog was made, at `createdDpi_`.
  std::vector<std::pair<HWND, RECT>> createdLayout_;
  shellkit::Font font_;  // the dialog's font at `dpi_`, once it differs from the template's
};

}  // namespace zorvat::ui
