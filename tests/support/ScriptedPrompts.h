#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/Prompts.h"

namespace zorvat::testing {

// Records every box and answers from a script; an unscripted question fails the test.
// `onShow` runs while the "box is open", so a test can nest timer ticks inside it.
class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    std::string title;
    std::string text;
    PromptIcon icon;
    PromptButtons buttons;
  };

  void Answer(PromptAnswer answer) { answers_.push_back(answer); }
  PromptAnswer Show(const std::string& title, const std::string& text, PromptIcon icon,
                    PromptButtons buttons) override;

  std::vector<Shown> shown;
  std::function<void(const Shown&)> onShow;

 private:
  std::deque<PromptAnswer> answers_;
};

}  // namespace zorvat::testing
