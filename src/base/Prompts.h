#pragma once

#include <string>

namespace zorvat {

enum class PromptIcon { None, Information, Confirmation, Warning, Error };
enum class PromptButtons { Ok, YesNo, YesCancel, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// Message boxes. Modal on Windows: timer ticks keep running while one is open.
class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual PromptAnswer Show(const std::string& title, const std::string& text, PromptIcon icon,
                            PromptButtons buttons) = 0;

  // A question of the program's own: title "Brumsel! Zorvat", confirmation icon. True unless the
  // user gave the negative answer (No, Cancel, or closed the box).
  bool Confirm(const std::string& text, PromptButtons buttons = PromptButtons::YesNo);
  void Inform(const std::string& title, const std::string& text);
  // The application's error box: title "Brumsel! Zorvat", error icon, OK, full-stop rule.
  void ShowError(const std::string& message);
};

}  // namespace zorvat
