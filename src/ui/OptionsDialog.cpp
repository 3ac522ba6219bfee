#include "ui/OptionsDialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <utility>
#include <variant>

#include "OptionsDialogIds.h"
#include "PictureIds.h"
#include "base/Files.h"
#include "events/FileDialogs.h"
#include "platform/FileDialog.h"
#include "settings/DayPickers.h"
#include "settings/OptionsTable.h"
#include "settings/OptionsTexts.h"
#include "shellkit/FileDetails.h"
#include "shellkit/WideText.h"
#include "ui/Fonts.h"
#include "ui/ModalDialog.h"

namespace zorvat::ui {
namespace {

struct GroupPicture {
  int group;
  int picture;
};
constexpr std::array<GroupPicture, 10> kGroupPictures{{
    {IDC_DATA_GROUP, IDI_STATUS_CALENDAR},
    {IDC_REFRESH_GROUP, IDI_KIND_REBOOT},
    {IDC_START_FILE_GROUP, IDI_LIST_FILE},
    {IDC_AUTOSAVE_GROUP, IDI_TOOL_HOT_SAVE},
    {IDC_VISUAL_GROUP, IDI_KIND_MESSAGE},
    {IDC_SOUND_GROUP, IDI_KIND_ALERT},
    {IDC_USER_GROUP, IDI_KIND_APP_START},
    {IDC_PRESET_START_GROUP, IDI_ZORVAT},
    {IDC_NEW_EVENT_GROUP, IDI_KIND_NEW_EVENT},
    {IDC_CATCH_UP_GROUP, IDI_STATUS_MESSAGE},
}};

int RowItem(std::size_t row, int part) {
  return IDC_USER_ROW_FIRST + IDC_USER_ROW_STEP * static_cast<int>(row) + part;
}

// The list's open filter: list files first, then all files.
std::optional<std::string> ChooseFile(HWND owner, std::string_view title, DWORD filterIndex) {
  const std::wstring wideTitle = Widen(title);
  FileDialogOptions options;
  options.owner = owner;
  options.filter = FileDialogs::kOpenFilter;
  options.filterIndex = filterIndex;
  options.title = wideTitle.c_str();
  options.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
  return RunFileDialog(&GetOpenFileNameW, options);
}

class OptionsDialog final : public ModalDialog {
 public:
  OptionsDialog(Prompts& errors, OptionsValues shown, int page, const OptionsCommit& commit)
      : ModalDialog(errors), values_(std::move(shown)), page_(page), commit_(commit) {}

  std::optional<OptionsValues> Show(HWND owner, int& page) {
    const bool confirmed = Run(owner, IDD_OPTIONS);
    page = page_;
    return confirmed ? std::optional<OptionsValues>(values_) : std::nullopt;
  }

 private:
  void OnInit() override {
    CreateGroupFont();
    AddPages();
    ShowGroupPictures();
    SetButtonPicture(IDC_DEFAULT_FILE_PICK, IDI_TOOL_HOT_OPEN);
    for (std::size_t row = 0; row < 3; ++row) {
      SetButtonPicture(RowItem(row, IDC_USER_ROW_PICK), IDI_TOOL_HOT_OPEN);
    }
    PrepareControls();
    ShowValues();
    FitMonthDayPicker();
    ShowPage(page_);
  }

  // The picker as wide as the long date it shows (whose length depends on the user's
  // formats), its right edge kept in line with the weekday box.
  void FitMonthDayPicker() const {
    const HWND picker = Item(IDC_MONTH_DAY);
    SIZE ideal{};
    if (SendMessageW(picker, DTM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) == 0) {
      return;
    }
    RECT box{};
    GetWindowRect(picker, &box);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&box), 2);
    if (ideal.cx > box.right - box.left) {
      SetWindowPos(picker, nullptr, box.right - ideal.cx, box.top, ideal.cx, box.bottom - box.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  // The weekday entries and the spin buttons' ranges, before any value shows.
  void PrepareControls() const {
    for (const Option& option : Options()) {
      if (const auto* number = std::get_if<NumberOption>(&option.value)) {
        SendDlgItemMessageW(Handle(), SpinButtonOf(option), UDM_SETRANGE32, number->range.low,
                            number->range.high);
      } else if (std::holds_alternative<WeekDayOption>(option.value)) {
        for (std::string_view day : kWeekDayChoices) {
          SendDlgItemMessageW(Handle(), option.control, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(Widen(day).c_str()));
        }
      }
    }
  }

  void ShowValues() {
    for (const Option& option : Options()) {
      const int id = option.control;
      std::visit(Overloaded{
                     [&](const FlagOption& flag) { Check(id, values_.*flag.field); },
                     [&](const NumberOption& number) {
                       SetDlgItemInt(Handle(), id, static_cast<UINT>(values_.*number.field), FALSE);
                     },
                     [&](const ChoiceOption& choice) {
                       if (const std::optional<int> chosen = values_.*choice.field) {
                         for (int i = 0; i < choice.count; ++i) {
                           Check(ChoiceButtonOf(option, i), i == *chosen);
                         }
                       }
                     },
                     [&](const TextOption& text) { SetItemText(id, text.Of(values_)); },
                     [&](const WeekDayOption& weekDay) {
                       if (const std::optional<int> chosen = values_.*weekDay.field) {
                         SendDlgItemMessageW(Handle(), id, CB_SETCURSEL,
                                             static_cast<WPARAM>(*chosen), 0);
                       }
                     },
                     [&](const MonthDayOption& monthDay) {
                       const CivilDate& day = values_.*monthDay.field;
                       SYSTEMTIME date{};
                       date.wYear = static_cast<WORD>(day.year);
                       date.wMonth = static_cast<WORD>(day.month);
                       date.wDay = static_cast<WORD>(day.day);
                       SendDlgItemMessageW(Handle(), id, DTM_SETSYSTEMTIME, GDT_VALID,
                                           reinterpret_cast<LPARAM>(&date));
                     },
                 },
                 option.value);
    }
    for (std::size_t row = 0; row < 3; ++row) {
      ShowFileIcon(row, values_.shortCutFile[row]);
    }
  }

  bool OnOk() override {
    OptionsValues typed = values_;
    for (const Option& option : Options()) {
      const int id = option.control;
      std::visit(Overloaded{
                     [&](const FlagOption& flag) { typed.*flag.field = Checked(id); },
                     [&](const NumberOption& number) {
                       typed.*number.field =
                           number.range.Clamp(ReadNumber(id, values_.*number.field));
                     },
                     [&](const ChoiceOption& choice) {
                       std::optional<int>& chosen = typed.*choice.field;
                       chosen = std::nullopt;
                       for (int i = 0; i < choice.count && !chosen; ++i) {
                         if (Checked(ChoiceButtonOf(option, i))) {
                           chosen = i;
                         }
                       }
                     },
                     [&](const TextOption& text) { text.Of(typed) = ItemText(id); },
                     [&](const WeekDayOption& weekDay) {
                       // The entry the box shows; a typed text that names none is no choice.
                       const LRESULT day = SendDlgItemMessageW(
                           Handle(), id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(Widen(ItemText(id)).c_str()));
                       typed.*weekDay.field =
                           day == CB_ERR ? std::nullopt : std::optional<int>(static_cast<int>(day));
                     },
                     [&](const MonthDayOption& monthDay) {
                       SYSTEMTIME date{};
                       if (SendDlgItemMessageW(Handle(), id, DTM_GETSYSTEMTIME, 0,
                                               reinterpret_cast<LPARAM>(&date)) == GDT_VALID) {
                         typed.*monthDay.field = {date.wYear, date.wMonth, date.wDay};
                       }
                     },
                 },
                 option.value);
    }
    commit_(typed);  // a refusal throws: the dialog stays open as the user left it
    values_ = std::move(typed);
    return true;
  }

  void OnCommand(int id, int notification) override {
    if (notification != BN_CLICKED) {
      return;
    }
    if (id == IDC_DEFAULT_FILE_PICK) {
      if (auto file = ChooseFile(Handle(), kChooseListTitle, 1)) {
        SetItemText(IDC_DEFAULT_FILE, *file);
      }
      return;
    }
    for (std::size_t row = 0; row < 3; ++row) {
      if (id == RowItem(row, IDC_USER_ROW_PICK)) {
        PickUserFile(row);
      }
    }
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom == IDC_OPTIONS_TABS && header.code == TCN_SELCHANGE) {
        ShowPage(
            static_cast<int>(SendDlgItemMessageW(Handle(), IDC_OPTIONS_TABS, TCM_GETCURSEL, 0, 0)));
        return 0;
      }
    }
    return std::nullopt;
  }

  void PickUserFile(std::size_t row) {
    if (auto file = ChooseFile(Handle(), kChooseSwitchToFileTitle, 2)) {
      SetItemText(RowItem(row, IDC_USER_ROW_FILE), *file);
      SetItemText(RowItem(row, IDC_USER_ROW_NAME), PickedFileName(*file));
      ShowFileIcon(row, *file);
    }
  }

  // A row whose file does not exist keeps the picture it shows.
  void ShowFileIcon(std::size_t row, const std::string& file) {
    if (file.empty() || !FileExists(file)) {
      return;
    }
    rowIcons_[row] = shellkit::GetFileIcon(file);
    SendDlgItemMessageW(Handle(), RowItem(row, IDC_USER_ROW_PICTURE), STM_SETICON,
                        reinterpret_cast<WPARAM>(rowIcons_[row].get()), 0);
  }

  void AddPages() {
    const HWND tabs = Item(IDC_OPTIONS_TABS);
    for (std::size_t i = 0; i < kOptionsPages.size(); ++i) {
      std::wstring caption = Widen(kOptionsPages[i]);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption.data();
      SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  }

  void ShowPage(int page) {
    page_ = page >= 0 && page < static_cast<int>(kOptionsPages.size()) ? page : kFirstOptionsPage;
    SendDlgItemMessageW(Handle(), IDC_OPTIONS_TABS, TCM_SETCURSEL, static_cast<WPARAM>(page_), 0);
    const int first = IDC_OPTIONS_PAGE_FIRST + IDC_OPTIONS_PAGE_SIZE * page_;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const int id = GetDlgCtrlID(child);
      if (id >= IDC_OPTIONS_PAGE_FIRST) {
        const bool onPage = id >= first && id < first + IDC_OPTIONS_PAGE_SIZE;
        ShowWindow(child, onPage ? SW_SHOW : SW_HIDE);
      }
    }
  }

  // The group captions in bold, an eighth larger than the dialog's text.
  void CreateGroupFont() {
    groupFont_ =
        MakeBoldVariant(reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)), 9, 8);
  }

  void ShowGroupPictures() {
    for (const GroupPicture& group : kGroupPictures) {
      SendDlgItemMessageW(Handle(), group.group, WM_SETFONT,
                          reinterpret_cast<WPARAM>(groupFont_.get()), FALSE);
      SetPicture(group.group + 1, group.picture);
    }
  }

  int ReadNumber(int id, int fallback) const {
    BOOL converted = FALSE;
    const UINT value = GetDlgItemInt(Handle(), id, &converted, FALSE);
    return converted ? static_cast<int>(std::min<UINT>(value, 1'000'000)) : fallback;
  }
  void Check(int id, bool on) const {
    CheckDlgButton(Handle(), id, on ? BST_CHECKED : BST_UNCHECKED);
  }
  bool Checked(int id) const { return IsDlgButtonChecked(Handle(), id) == BST_CHECKED; }

  OptionsValues values_;
  int page_;
  const OptionsCommit& commit_;
  shellkit::Font groupFont_;
  std::array<shellkit::Icon, 3> rowIcons_;
};

}  // namespace

std::optional<OptionsValues> EditOptions(HWND owner, Prompts& errors, const OptionsValues& shown,
                                         int& page, const OptionsCommit& commit) {
  return OptionsDialog(errors, shown, page, commit).Show(owner, page);
}

}  // namespace zorvat::ui
