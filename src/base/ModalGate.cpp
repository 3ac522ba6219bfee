#include "base/ModalGate.h"

#include <algorithm>

namespace zorvat {

bool ModalGate::Command(int id, const std::function<void()>& run) {
  if (std::find(owner_.alwaysAllowed.begin(), owner_.alwaysAllowed.end(), id) !=
      owner_.alwaysAllowed.end()) {
    run();
    return true;
  }
  return Pass(run);
}

bool ModalGate::Pass(const std::function<void()>& step) {
  if (Open()) {
    BringToFront();
    return false;
  }
  Count(step);
  return true;
}

void ModalGate::BringToFront() const {
  if (owner_.bringToFront) {
    owner_.bringToFront();
  }
}

std::optional<std::string> ModalGate::NextHandedOver() {
  if (Open() || handedOver_.empty()) {
    return std::nullopt;
  }
  std::string next = std::move(handedOver_.front());
  handedOver_.pop_front();
  return next;
}

void ModalGate::Close() noexcept {
  --depth_;
  if (depth_ == 0 && !handedOver_.empty() && owner_.handedOverWaiting) {
    owner_.handedOverWaiting();
  }
}

}  // namespace zorvat
