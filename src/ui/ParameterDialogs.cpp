#include "ui/ParameterDialogs.h"

#include <commdlg.h>

#include <array>
#include <span>
#include <string_view>

#include "DialogIds.h"
#include "PictureIds.h"
#include "events/EventRecord.h"
#include "platform/FileDialog.h"
#include "shellkit/WideText.h"
#include "ui/ModalDialog.h"

namespace zorvat::ui {
namespace {

// File-dialog filters: descriptions and patterns alternating, separated by "|".
constexpr std::string_view kAlertFilter =
    "Wave-Dateien (*.wav)|*.wav|MIDI-Dateien (*.mid)|*.mid|AudioVideoInterlace (*.avi)|*.avi";
constexpr std::string_view kProgramFilter =
    "Programme o.ä.  (*.exe,*.com,*.bat,*.lnk,*.pif)|*.exe;*.bat;*.com;*.pif;*.lnk|"
    "Alle Dateien (*.*)|*.*";
constexpr std::string_view kGeneralFilter =
    "Alle Dateien (*.*)|*.*|"
    "Ausführbare Dateien (*.exe,*.bat,*.Com,*.pif,*.lnk)|*.exe;*.com;*.bat;*.lnk;*.pif|"
    "Systemdateien (*.dll,*.sys,*.vxd,*.ocx,*.dat,*.inf)|*.dll;*.vxd;*.sys;*.inf;*.ocx|"
    "Dokumente (*.doc,*.htm,*.html,*.wri,*.rtf,*.pdf,*.txt,*.asc,*.me,*.1st)|"
    "*.doc;*.wri;*.rtf;*.txt;*.asc;*.1st;*.me;*.pdf;*.htm;*.html|"
    "Grafiken (*.gif,*.jpg,*.jpeg,*.pcx,*.tif,*.tga,*.msp,*.cdr,*.bmp,*.ico,*.emf,*.wmf,*.dig,"
    "*.rle,*.png)|*.gif;*.jpg;*.jpeg;*.pcx;*.png;*.tif;*.tga;*.msp;*.cdr;*.bmp;*.ico;*.wmf;*.emf|"
    "Sounds (*.wav,*.voc,*.mid,*.mp3)|*.wav;*.mid;*.voc;*.mp3;*.mp2;*.mpg|"
    "Videos (*.avi,*.mov,*.mpg,*.flc,*.fli)|*.avi;*.mov;*.mpg;*.flc;*.fli";

// How the browse button of an input looks for its file.
struct Browse {
  std::string_view filter;
  const wchar_t* defaultExtension = nullptr;  // none: a name keeps what the user typed
  bool mayNotExist = false;                   // a target that the task will create
};

struct ParameterDialogLayout {
  ParameterDialog which = ParameterDialog::None;
  int templateId = 0;
  int picture = 0;
  bool twoInputs = false;  // with one input, operand 2 is emptied at OK
  bool dropDowns = false;  // the inputs are editable drop-downs
  std::optional<Browse> browse1 = std::nullopt;
  std::optional<Browse> browse2 = std::nullopt;
};

// One layout per parameter dialog, in the order of ParameterDialog. The general filter's files
// have no default extension: a typed name stays as typed.
constexpr auto kLayouts = std::to_array<ParameterDialogLayout>({
    {.which = ParameterDialog::None},
    {.which = ParameterDialog::Message,
     .templateId = IDD_MESSAGE_PARAMETERS,
     .picture = IDI_KIND_MESSAGE},
    {.which = ParameterDialog::Alert,
     .templateId = IDD_ALERT_PARAMETERS,
     .picture = IDI_KIND_ALERT,
     .browse1 = Browse{kAlertFilter, L"wav"}},
    {.which = ParameterDialog::AppStart,
     .templateId = IDD_APP_START_PARAMETERS,
     .picture = IDI_KIND_APP_START,
     .twoInputs = true,
     .browse1 = Browse{kProgramFilter, L"exe"}},
    {.which = ParameterDialog::CopyFile,
     .templateId = IDD_COPY_PARAMETERS,
     .picture = IDI_KIND_COPY,
     .twoInputs = true,
     .browse1 = Browse{kGeneralFilter},
     .browse2 = Browse{kGeneralFilter, nullptr, true}},
    {.which = ParameterDialog::RenameFile,
     .templateId = IDD_RENAME_PARAMETERS,
     .picture = IDI_KIND_RENAME,
     .twoInputs = true,
     .browse1 = Browse{kGeneralFilter},
     .browse2 = Browse{kGeneralFilter, nullptr, true}},
    {.which = ParameterDialog::DeleteFile,
     .templateId = IDD_DELETE_PARAMETERS,
     .picture = IDI_KIND_DELETE,
     .browse1 = Browse{kGeneralFilter}},
    {.which = ParameterDialog::DisplayMode,
     .templateId = IDD_SCREEN_PARAMETERS,
     .picture = IDI_KIND_CONTROL_PANEL,
     .twoInputs = true,
     .dropDowns = true},
});

// Every kind's dialog has its layout, at its own place.
constexpr bool EveryKindHasItsLayout() {
  for (std::size_t i = 0; i < kLayouts.size(); ++i) {
    if (static_cast<std::size_t>(kLayouts[i].which) != i) {
      return false;
    }
  }
  for (const TaskKind& kind : kTaskKinds) {
    if (static_cast<std::size_t>(kind.dialog) >= kLayouts.size()) {
      return false;
    }
  }
  return true;
}
static_assert(EveryKindHasItsLayout());

// The system's file dialog for one input: the chosen file's full path, nothing when cancelled.
std::optional<std::string> ChooseFile(HWND owner, const Browse& browse) {
  FileDialogOptions options;
  options.owner = owner;
  options.filter = browse.filter;
  options.defaultExtension = browse.defaultExtension;
  options.flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  if (browse.mayNotExist) {
    return RunFileDialog(&GetSaveFileNameW, options);
  }
  options.flags |= OFN_FILEMUSTEXIST;
  return RunFileDialog(&GetOpenFileNameW, options);
}

class ParameterDialogWindow final : public ModalDialog {
 public:
  ParameterDialogWindow(Prompts& errors, const ParameterDialogLayout& layout, Operands operands)
      : ModalDialog(errors), layout_(layout), operands_(std::move(operands)) {}

  std::optional<Operands> Show(HWND owner) {
    if (!Run(owner, layout_.templateId)) {
      return std::nullopt;
    }
    return operands_;
  }

 private:
  void OnInit() override {
    MakeHeading(IDC_TITLE, 12);
    SetPicture(IDC_PICTURE, layout_.picture);
    if (layout_.browse1) {
      SetButtonPicture(IDC_BROWSE1, IDI_TOOL_HOT_OPEN);
    }
    if (layout_.browse2) {
      SetButtonPicture(IDC_BROWSE2, IDI_TOOL_HOT_OPEN);
    }
    if (layout_.dropDowns) {
      FillDropDown(IDC_OPERAND1, kResolutionChoices);
      FillDropDown(IDC_OPERAND2, kColourDepthChoices);
    }
    SetItemText(IDC_OPERAND1, operands_.operand1);
    if (layout_.twoInputs) {
      SetItemText(IDC_OPERAND2, operands_.operand2);
    }
  }

  void OnCommand(int id, int notification) override {
    if (notification != BN_CLICKED) {
      return;
    }
    if (id == IDC_BROWSE1 && layout_.browse1) {
      BrowseFor(IDC_OPERAND1, *layout_.browse1);
    } else if (id == IDC_BROWSE2 && layout_.browse2) {
      BrowseFor(IDC_OPERAND2, *layout_.browse2);
    }
  }

  bool OnOk() override {
    Operands typed{ItemText(IDC_OPERAND1), layout_.twoInputs ? ItemText(IDC_OPERAND2) : ""};
    if (auto refusal = CheckOperands(typed.operand1, typed.operand2)) {
      Errors().ShowError(*refusal);
      // The input to correct: the one holding a bar or line break, else the first.
      const bool secondHoldsIt =
          layout_.twoInputs && !CheckOperand(typed.operand1) && CheckOperand(typed.operand2);
      FocusItem(secondHoldsIt ? IDC_OPERAND2 : IDC_OPERAND1);
      return false;
    }
    operands_ = std::move(typed);
    return true;
  }

  void BrowseFor(int input, const Browse& browse) {
    if (auto file = ChooseFile(Handle(), browse)) {
      SetItemText(input, *file);
    }
  }

  void FillDropDown(int id, std::span<const std::string_view> entries) const {
    for (std::string_view entry : entries) {
      SendDlgItemMessageW(Handle(), id, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    }
  }

  const ParameterDialogLayout& layout_;
  Operands operands_;
};

}  // namespace

std::optional<Operands> EditParameters(HWND owner, Prompts& errors, ParameterDialog which,
                                       const Operands& in) {
  const ParameterDialogLayout& layout = kLayouts.at(static_cast<std::size_t>(which));
  if (layout.templateId == 0) {
    return std::nullopt;
  }
  return ParameterDialogWindow(errors, layout, in).Show(owner);
}

}  // namespace zorvat::ui
