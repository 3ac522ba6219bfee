#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Prompts.h"
#include "shellkit/Handles.h"

namespace zorvat::ui {

// A dialog from a template of the program's resources, run modally on the stack of the function
// that shows it. The dialog procedure is the error boundary, and nothing passes it: an exception
// ends that message and goes to the error box once; the dialog stays open.
class ModalDialog {
 public:
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;
  virtual ~ModalDialog() = default;

 protected:
  explicit ModalDialog(Prompts& errors) : errors_(errors) {}

  // True when the user confirmed, false when cancelled.
  bool Run(HWND owner, int templateId);

  virtual void OnInit() {}
  // A command other than OK and Cancel.
  virtual void OnCommand(int /*id*/, int /*notification*/) {}
  // False keeps the dialog open.
  virtual bool OnOk() { return true; }
  // Any other message; nothing: the dialog manager's handling.
  virtual std::optional<INT_PTR> OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return std::nullopt;
  }

  HWND Handle() const { return dialog_; }
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  std::string ItemText(int id) const;
  void SetItemText(int id, std::string_view utf8) const;
  Prompts& Errors() const { return errors_; }
  // Moves the input focus as the dialog manager does (default button and selection included).
  // Called from OnInit, it keeps the dialog manager from moving it to the first control.
  void FocusItem(int id) {
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    focusChosen_ = true;
  }

  // The dialog font in bold, for a heading; the dialog keeps it until it ends.
  void MakeBold(int id);
  // A heading in bold Arial of the pixel height given at 96 dpi.
  void MakeHeading(int id, int pixels);
  // A button's picture: the program's icon of that id at the small-icon size of the dialog's
  // monitor. A program without its pictures keeps the button's text.
  void SetButtonPicture(int id, int iconId);
  // A static icon control's picture: the program's icon of that id at the icon size of the
  // dialog's monitor.
  void SetPicture(int id, int iconId);

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Command(int id, int notification);
  struct Picture {
    int control;
    int iconId;
    bool button;
    shellkit::Icon icon;
  };
  // The pictures loaded again at the sizes of a monitor of `dpi`.
  void ShowPictures(int dpi);
  void ShowPicture(Picture& picture, int dpi) const;

  Prompts& errors_;
  HWND dialog_ = nullptr;
  bool focusChosen_ = false;
  shellkit::Font boldFont_;
  shellkit::Font headingFont_;
  std::vector<Picture> pictures_;
};

}  // namespace zorvat::ui
