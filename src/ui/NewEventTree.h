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
  // `kindIcons` is copied.
  NewEventTree(Prompts& errors, HWND parent, HIMAGELIST kindIcons,
               std::function<void(int item)> onDoubleClick);
  ~NewEventTree() override { Destroy(); }
  NewEventTree(const NewEventTree&) = delete;
  NewEventTree& operator=(const NewEventTree&) = delete;
  std::optional<int> SelectedItem() const;
  // The indent follows the scale of the tree's monitor.
  void ScaleIndent();

 protected:
  std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  shellkit::ImageList icons_;
  std::function<void(int item)> onDoubleClick_;
};

}  // namespace zorvat::ui
