#pragma once

#include <type_traits>
#include <utility>

namespace zorvat {

// Runs `undo` when the scope ends, however it ends. The step must not throw: it runs from a
// destructor, often while an exception unwinds the scope, and a throw from there ends the
// program. A step that can fail belongs in a try/catch that rethrows, not in a guard.
template <typename Undo>
class [[nodiscard]] ScopeGuard {
  static_assert(std::is_nothrow_invocable_v<Undo&>, "a scope guard's step must not throw");

 public:
  explicit ScopeGuard(Undo undo) : undo_(std::move(undo)) {}
  ~ScopeGuard() noexcept { undo_(); }
  ScopeGuard(const ScopeGuard&) = delete;
  ScopeGuard& operator=(const ScopeGuard&) = delete;

 private:
  Undo undo_;
};

// Sets `flag` for as long as the scope lasts.
inline auto FlagForScope(bool& flag) {
  flag = true;
  return ScopeGuard([&flag]() noexcept { flag = false; });
}

}  // namespace zorvat
