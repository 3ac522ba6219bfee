#pragma once

#include <functional>

#include "ui/Window.h"

namespace zorvat::ui {

// A vertical bar the user drags; it reports where its left edge would go, in its parent's
// client coordinates, and the parent decides where it goes.
class Splitter final : public Window {
 public:
  using Moved = std::function<void(int left)>;

  Splitter(Prompts& errors, HWND parent, int id, Moved moved);
  ~Splitter() override { Destroy(); }
  Splitter(const Splitter&) = delete;
  Splitter& operator=(const Splitter&) = delete;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Drag(LPARAM at);

  Moved moved_;
  int grab_ = -1;  // where in the bar the drag started; -1 while not dragging
};

}  // namespace zorvat::ui
