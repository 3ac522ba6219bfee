#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "base/Prompts.h"

namespace zorvat {

// The program's one modal gate. Every box and dialog opens inside a spell of it. While a spell
// is open, a box's or dialog's own message loop still delivers commands, closes, ticks and the
// lists later starts hand over; none of these may swap the document the box is about or destroy
// the window under it. So commands outside the table of always-allowed ones, and closes, only
// bring the open box to the front, and handed-over lists wait until the last spell has ended.
class ModalGate {
 public:
  // What the gate asks of the window its boxes belong to.
  struct Owner {
    // The commands that open nothing and may always run.
    std::span<const int> alwaysAllowed;
    std::function<void()> bringToFront;
    // The last spell ended while lists wait; called from the spell's end, so it should only
    // post a message that opens them.
    std::function<void()> handedOverWaiting;
  };

  ModalGate() = default;
  ModalGate(const ModalGate&) = delete;
  ModalGate& operator=(const ModalGate&) = delete;
  ~ModalGate() = default;

  // One open box or dialog, for as long as it lives.
  class Spell {
   public:
    explicit Spell(ModalGate& gate) : gate_(gate) { ++gate_.depth_; }
    ~Spell() { gate_.Close(); }
    Spell(const Spell&) = delete;
    Spell& operator=(const Spell&) = delete;

   private:
    ModalGate& gate_;
  };

  void Attach(Owner owner) { owner_ = std::move(owner); }
  void Detach() { owner_ = {}; }

  bool Open() const { return depth_ > 0; }
  // A command in the table runs at once; any other runs as a spell when nothing is open, else
  // brings the open box to the front. True when it ran.
  bool Command(int id, const std::function<void()>& run);
  // A close or a click that may open a box: as a spell when nothing is open, else the open box
  // comes to the front. True when it ran.
  bool Pass(const std::function<void()>& step);
  // Ticks and the session's end run whatever is open, each as a spell of its own.
  void Count(const std::function<void()>& step) {
    const Spell spell(*this);
    step();
  }
  void BringToFront() const;

  void HandOver(std::string listFile) { handedOver_.push_back(std::move(listFile)); }
  // The next list waiting, in the order they came; none while a spell is open.
  std::optional<std::string> NextHandedOver();

 private:
  void Close() noexcept;

  Owner owner_;
  int depth_ = 0;
  std::deque<std::string> handedOver_;
};

// Prompts whose every box is a spell of the gate, whoever opens it.
class GatedPrompts final : public Prompts {
 public:
  GatedPrompts(ModalGate& gate, Prompts& boxes) : gate_(gate), boxes_(boxes) {}

  PromptAnswer Show(const std::string& title, const std::string& text, PromptIcon icon,
                    PromptButtons buttons) override {
    const ModalGate::Spell spell(gate_);
    return boxes_.Show(title, text, icon, buttons);
  }

 private:
  ModalGate& gate_;
  Prompts& boxes_;
};

}  // namespace zorvat
