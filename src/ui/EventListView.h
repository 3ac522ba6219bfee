#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "events/EventRows.h"
#include "events/ListHeadings.h"
#include "shellkit/Handles.h"
#include "ui/Window.h"

namespace zorvat::ui {

// A report-view list with a check box per row that mirrors one list's rows: caption, event text,
// query text, check state and icon. It computes nothing; the texts stay in the rows, which the
// control asks for when it draws (a copy in the control would double every text). Its image list
// starts with the kind icons, made at the small-icon size of the view's monitor; a row with a
// file icon gets the shell's icon of that file, one image per distinct file. The control reports
// the user's check-box changes and selections, which its parent (a Window) hands on to it. It is
// created hidden: the owner shows the list in front.
class EventListView final : public Window {
 public:
  struct Callbacks {
    // The user checked or unchecked a row's box (mouse or space bar).
    std::function<void(std::size_t row, bool checked)> onCheckChanged;
    // A row became selected (not by Mirror); a selection that goes away is not reported.
    std::function<void(std::size_t row)> onSelected;
  };

  // The kind icons in their order, `size` pixels square.
  using IconListMaker = std::function<shellkit::ImageList(int size)>;

  // The columns' widths are in 96-dpi pixels.
  EventListView(Prompts& errors, HWND parent, std::span<const ListColumn> columns,
                IconListMaker kindIcons, Callbacks callbacks);
  ~EventListView() override { Destroy(); }
  EventListView(const EventListView&) = delete;
  EventListView& operator=(const EventListView&) = delete;

  // Makes the view show exactly these rows, keeping selection and scroll position where rows
  // stay. Reports nothing to the callbacks. The view reads the rows' texts until the next
  // Mirror, so they must live that long (the document's rows do).
  void Mirror(const EventRows& rows);
  // Nothing selected; reports nothing to the callbacks.
  void ClearSelection();
  std::optional<std::size_t> SelectedRow() const;
  void SetColumnCaption(int column, std::string_view caption);
  // Column 1 takes the width the other two leave.
  void FitEventColumn();
  // The view moved to a monitor of another scale: columns 0 and 2 keep their size there,
  // column 1 fits again, and the row icons are made afresh at that monitor's small-icon size.
  void OnDpiChanged(int fromDpi, int toDpi);
  // Opened on the view's context menu; its commands go to `commandWindow`. Neither is owned.
  void SetPopupMenu(HMENU menu, HWND commandWindow);

 protected:
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnItemChanged(const NMLISTVIEW& change);
  void OnTextWanted(LVITEMW& item);
  void ShowPopupMenu(POINT at);
  // A new image list for `rows`: the kind icons, then one image per distinct file.
  std::map<std::string, int> RebuildImages(const EventRows& rows);
  void MirrorRow(std::size_t index, const EventRow& row, int image, bool insert);

  IconListMaker makeKindIcons_;
  shellkit::ImageList kindIcons_;
  shellkit::ImageList images_;
  std::map<std::string, shellkit::Icon> fileIcons_;
  Callbacks callbacks_;
  HMENU popupMenu_ = nullptr;
  HWND commandWindow_ = nullptr;
  bool mirroring_ = false;
  const EventRows* rows_ = nullptr;
};

}  // namespace zorvat::ui
