#include "ui/PropertiesDialog.h"

#include <commctrl.h>

#include "DialogIds.h"
#include "PictureIds.h"
#include "events/ListHeadings.h"
#include "events/PropertiesConfirmation.h"
#include "platform/SystemTimes.h"
#include "shellkit/WideText.h"
#include "ui/ModalDialog.h"

namespace zorvat::ui {
namespace {

class PropertiesDialog final : public ModalDialog {
 public:
  PropertiesDialog(Prompts& errors, EventKind kind, bool newEvent, EventProperties properties,
                   const ParameterEditor& editParameters)
      : ModalDialog(errors),
        kind_(kind),
        newEvent_(newEvent),
        properties_(std::move(properties)),
        editParameters_(editParameters) {}

  std::optional<EventProperties> Show(HWND owner) {
    if (!Run(owner, IDD_EVENT_PROPERTIES)) {
      return std::nullopt;
    }
    return properties_;
  }

 private:
  void OnInit() override {
    MakeHeading(IDC_HEADING, 12);
    SetButtonPicture(IDC_PARAMETERS, IDI_TOOL_HOT_PROPERTIES);
    SetItemText(IDC_HEADING, PropertiesHeading(kind_, newEvent_));
    const bool ownDate = HasOwnDate(kind_);
    EnableWindow(Item(IDC_DATE), ownDate);
    EnableWindow(Item(IDC_DATE_LABEL), ownDate);
    SetPicker(IDC_DATE, properties_.date);
    SetPicker(IDC_TIME, properties_.time);
    for (const TaskKind& kind : kTaskKinds) {
      SendDlgItemMessageW(Handle(), IDC_COMMAND, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(Widen(kind.name).c_str()));
    }
    // A code outside the list leaves no entry chosen (see MayConfirm).
    SendDlgItemMessageW(Handle(), IDC_COMMAND, CB_SETCURSEL, properties_.command, 0);
    CheckRadioButton(Handle(), IDC_QUERY_YES, IDC_QUERY_NO,
                     properties_.query ? IDC_QUERY_YES : IDC_QUERY_NO);
  }

  void OnCommand(int id, int notification) override {
    if (id == IDC_PARAMETERS && notification == BN_CLICKED) {
      const ParameterDialog which = ParameterDialogFor(ChosenCommand());
      if (which == ParameterDialog::None) {
        return;
      }
      if (auto operands = editParameters_(Handle(), which, properties_.operands)) {
        properties_.operands = std::move(*operands);
      }
    }
  }

  bool OnOk() override {
    const int command = ChosenCommand();
    if (!MayConfirm(command, newEvent_)) {
      FocusItem(IDC_COMMAND);
      SendDlgItemMessageW(Handle(), IDC_COMMAND, CB_SHOWDROPDOWN, TRUE, 0);
      return false;
    }
    properties_.date = Picker(IDC_DATE);
    properties_.time = Picker(IDC_TIME);
    properties_.command = command;
    properties_.query = IsDlgButtonChecked(Handle(), IDC_QUERY_YES) == BST_CHECKED;
    return true;
  }

  int ChosenCommand() const {
    return static_cast<int>(SendDlgItemMessageW(Handle(), IDC_COMMAND, CB_GETCURSEL, 0, 0));
  }

  // The pickers show whole seconds, so that is what they hold.
  void SetPicker(int id, DateTime value) const {
    SYSTEMTIME system = ToSystemTime(value);
    system.wMilliseconds = 0;
    SendDlgItemMessageW(Handle(), id, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&system));
  }

  DateTime Picker(int id) const {
    SYSTEMTIME system{};
    SendDlgItemMessageW(Handle(), id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&system));
    system.wMilliseconds = 0;
    return FromSystemTime(system);
  }

  EventKind kind_;
  bool newEvent_;
  EventProperties properties_;
  const ParameterEditor& editParameters_;
};

}  // namespace

std::optional<EventProperties> EditEventProperties(HWND owner, Prompts& errors, EventKind kind,
                                                   bool newEvent, const EventProperties& in,
                                                   const ParameterEditor& editParameters) {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
  InitCommonControlsEx(&classes);
  return PropertiesDialog(errors, kind, newEvent, in, editParameters).Show(owner);
}

ParameterEditor SystemParameterDialogs(Prompts& errors) {
  return [&errors](HWND owner, ParameterDialog which, const Operands& in) {
    return EditParameters(owner, errors, which, in);
  };
}

}  // namespace zorvat::ui
