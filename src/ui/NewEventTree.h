#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <vector>

#include "shellkit/Handles.h"
#include "ui/Window.h"

namespace zorvat::ui {

// The read-only, hot-tracked tree of the kinds of event a user can start, with its fixed items
// and their kind icons from the core's table; the root is expanded one level. A double click
// reports the absolute index of the selected item, which its parent (a Window) hands on to it.
class NewEventTree final : public Window {
 public:
  // The kind icons at a size in pixels.
  using IconListMaker = std::function<shellkit::ImageList(int size)>;

  NewEventTree(Prompts& errors, HWND parent, IconListMaker kindIcons,
               std::function<void(int item)> onDoubleClick);
  ~NewEventTree() override { Destroy(); }
  NewEventTree(const NewEventTree&) = delete;
  NewEventTree& operator=(const NewEventTree&) = delete;
  std::optional<int> SelectedItem() const;
  // The indent and the icons follow the scale of the tree's monitor.
  void OnDpiChanged(int dpi);

 protected:
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  IconListMaker makeIcons_;
  shellkit::ImageList icons_;
  std::function<void(int item)> onDoubleClick_;
};

}  // namespace zorvat::ui
