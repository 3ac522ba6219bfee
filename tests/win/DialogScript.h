#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

namespace zorvat::testing {

// Drives the modal dialogs that the code under test opens on this thread. Each step runs at a
// timer tick against the dialog that has the input (the innermost one open) once that dialog is
// the one the step names; a step that returns false runs again at the next tick. When a script
// makes no progress for ten seconds it cancels every dialog, so a test fails instead of hanging.
class DialogScript {
 public:
  // The name of a dialog: "properties" for the event properties dialog, else its bold title,
  // else its caption.
  using Action = std::function<bool(HWND dialog)>;

  DialogScript();
  ~DialogScript();
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  DialogScript& At(std::string dialogName, Action action);
  // Common actions.
  DialogScript& Type(std::string dialogName, int id, std::string utf8);
  DialogScript& Press(std::string dialogName, int id);
  DialogScript& Choose(std::string dialogName, int comboId, int index);

  bool Finished() const { return steps_.empty(); }
  bool TimedOut() const { return timedOut_; }

  static std::string NameOf(HWND dialog);
  static std::string ItemText(HWND dialog, int id);

 private:
  struct Step {
    std::string dialogName;
    Action action;
  };
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void RunStep();

  std::deque<Step> steps_;
  UINT_PTR timer_ = 0;
  DWORD lastProgress_ = 0;
  bool timedOut_ = false;
};

// A date-time picker's value set as a user would set it.
void SetPickerValue(HWND picker, const SYSTEMTIME& value);

}  // namespace zorvat::testing
