#include "base/Prompts.h"

#include "base/Error.h"

namespace zorvat {

bool Prompts::Confirm(const std::string& text, PromptButtons buttons) {
  const PromptAnswer answer =
      Show(std::string(kApplicationTitle), text, PromptIcon::Confirmation, buttons);
  return answer == PromptAnswer::Yes || answer == PromptAnswer::Ok;
}

void Prompts::Inform(const std::string& title, const std::string& text) {
  Show(title, text, PromptIcon::Information, PromptButtons::Ok);
}

void Prompts::ShowError(const std::string& message) {
  Show(std::string(kApplicationTitle), ErrorBoxText(message), PromptIcon::Error, PromptButtons::Ok);
}

}  // namespace zorvat
