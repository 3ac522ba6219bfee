#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <vector>

#include "shellkit/Handles.h"
#include "ui/WindowClass.h"

namespace zorvat::ui {

// The read-only, hot-tracked tree of the kinds of event a user can start, with its fixed items
// and their kind icons from the core's table; the root is expanded one level. A double click
// reports the absolute index of the selected item. It hears its notifications by subclassing its
// parent, so the parent forwards nothing.
class NewEventTree {
 public:
  // `kindIcons` is copied.
  NewEventTree(HWND parent, HIMAGELIST kindIcons, std::function<void(int item)> onDoubleClick);
  ~NewEventTree();
  NewEventTree(const NewEventTree&) = delete;
  NewEventTree& operator=(const NewEventTree&) = delete;

  HWND Handle() const { return window_.get(); }
  std::optional<int> SelectedItem() const;
  // The indent follows the scale of the tree's monitor.
  void ScaleIndent();

 private:
  static LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self) noexcept;

  HWND parent_;
  // Declared before the tree, so that the tree that uses it is destroyed first.
  shellkit::ImageList icons_;
  OwnedWindow window_;
  std::function<void(int item)> onDoubleClick_;
};

}  // namespace zorvat::ui
