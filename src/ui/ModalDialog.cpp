#include "ui/ModalDialog.h"

#include <utility>

#include "base/Error.h"
#include "base/ErrorBoundary.h"
#include "shellkit/WideText.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/WindowText.h"

namespace zorvat::ui {

bool ModalDialog::Run(HWND owner, int templateId) {
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                         owner, &Procedure, reinterpret_cast<LPARAM>(this));
  if (result == -1) {
    throw Error("The dialog " + std::to_string(templateId) + " cannot be shown (error " +
                std::to_string(GetLastError()) + ")");
  }
  return result == IDOK;
}

// A message whose handler failed counts as handled; the dialog stays open.
INT_PTR CALLBACK ModalDialog::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    reinterpret_cast<ModalDialog*>(lParam)->dialog_ = dialog;
  }
  auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) {
    return FALSE;
  }
  INT_PTR result = TRUE;
  RunAtEntryPoint(&self->errors_, [&] { result = self->HandleMessage(message, wParam, lParam); });
  return result;
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      focusChosen_ = false;
      OnInit();
      // FALSE: the focus stays where OnInit put it.
      return focusChosen_ ? FALSE : TRUE;
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DPICHANGED:
      // The dialog manager scales the rest; it leaves the pictures the size they were loaded at.
      ShowPictures(HIWORD(wParam));
      return OnMessage(message, wParam, lParam).value_or(FALSE);
    default: {
      const std::optional<INT_PTR> result = OnMessage(message, wParam, lParam);
      if (result && message == WM_NOTIFY) {
        SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, *result);
        return TRUE;
      }
      return result.value_or(FALSE);
    }
  }
}

void ModalDialog::Command(int id, int notification) {
  switch (id) {
    case IDOK:
      if (OnOk()) {
        EndDialog(dialog_, IDOK);
      }
      return;
    case IDCANCEL:
      EndDialog(dialog_, IDCANCEL);
      return;
    default:
      OnCommand(id, notification);
  }
}

std::string ModalDialog::ItemText(int id) const {
  return GetText(Item(id));
}

void ModalDialog::SetItemText(int id, std::string_view utf8) const {
  SetDlgItemTextW(dialog_, id, Widen(utf8).c_str());
}

void ModalDialog::MakeBold(int id) {
  boldFont_ = MakeBoldVariant(reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0)));
  SendDlgItemMessageW(dialog_, id, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
}

void ModalDialog::MakeHeading(int id, int pixels) {
  headingFont_ = MakeFont(L"Arial", pixels, true, Dpi::Of(dialog_));
  SendDlgItemMessageW(dialog_, id, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.get()), FALSE);
}

void ModalDialog::SetButtonPicture(int id, int iconId) {
  pictures_.push_back({id, iconId, true, {}});
  ShowPicture(pictures_.back(), Dpi::Of(dialog_).Value());
}

void ModalDialog::SetPicture(int id, int iconId) {
  pictures_.push_back({id, iconId, false, {}});
  ShowPicture(pictures_.back(), Dpi::Of(dialog_).Value());
}

void ModalDialog::ShowPictures(int dpi) {
  for (Picture& picture : pictures_) {
    ShowPicture(picture, dpi);
  }
}

// The control gets its new picture before the old one is freed.
void ModalDialog::ShowPicture(Picture& picture, int dpi) const {
  shellkit::Icon icon =
      LoadProgramIcon(picture.iconId, picture.button ? SmallIconSize(dpi) : IconSize(dpi));
  if (!icon) {
    return;  // a program without its pictures: the control keeps what it shows
  }
  if (picture.button) {
    SendDlgItemMessageW(dialog_, picture.control, BM_SETIMAGE, IMAGE_ICON,
                        reinterpret_cast<LPARAM>(icon.get()));
  } else {
    SendDlgItemMessageW(dialog_, picture.control, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()),
                        0);
  }
  picture.icon = std::move(icon);
}

}  // namespace zorvat::ui
