#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace zorvat::testing {

PromptAnswer ScriptedPrompts::Show(const std::string& title, const std::string& text,
                                   PromptIcon icon, PromptButtons buttons) {
  shown.push_back({title, text, icon, buttons});
  if (onShow) {
    onShow(shown.back());
  }
  if (buttons == PromptButtons::Ok) {
    return PromptAnswer::Ok;
  }
  if (answers_.empty()) {
    ADD_FAILURE() << "unscripted question: " << text;
    return PromptAnswer::No;
  }
  const PromptAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace zorvat::testing
