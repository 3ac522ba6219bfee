#pragma once

#include <utility>

namespace zorvat {

// Runs `undo` when the scope ends, however it ends.
template <typename Undo>
class [[nodiscard]] ScopeGuard {
 public:
  explicit ScopeGuard(Undo undo) : undo_(std::move(undo)) {}
  ~ScopeGuard() { undo_(); }
  ScopeGuard(const ScopeGuard&) = delete;
  ScopeGuard& operator=(const ScopeGuard&) = delete;

 private:
  Undo undo_;
};

// Sets `flag` for as long as the scope lasts.
inline auto FlagForScope(bool& flag) {
  flag = true;
  return ScopeGuard([&flag] { flag = false; });
}

}  // namespace zorvat
