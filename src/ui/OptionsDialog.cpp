#include "ui/OptionsDialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <utility>

#include "OptionsDialogIds.h"
#include "PictureIds.h"
#include "base/Files.h"
#include "platform/FileDialog.h"
#include "settings/DayPickers.h"
#include "shellkit/FileDetails.h"
#include "shellkit/WideText.h"
#include "ui/Fonts.h"
#include "ui/ModalDialog.h"

namespace zorvat::ui {
namespace {

constexpr std::string_view kListFilter = "Zorvat Liste (*.zrl)|*.zrl|Alle Dateien (*.*)|*.*";

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

constexpr std::array<int, 3> kLibModeButtons{IDC_NO_DEFAULT_LIST, IDC_LAST_LIST, IDC_DEFAULT_LIST};
constexpr std::array<int, 3> kAlertModeButtons{IDC_NO_VISUAL_ALERT, IDC_DIALOG_ALERT,
                                               IDC_BLINK_ALERT};

int RowItem(std::size_t row, int part) {
  return IDC_USER_ROW_FIRST + IDC_USER_ROW_STEP * static_cast<int>(row) + part;
}

std::optional<std::string> ChooseFile(HWND owner, const wchar_t* title, DWORD filterIndex) {
  FileDialogOptions options;
  options.owner = owner;
  options.filter = kListFilter;
  options.filterIndex = filterIndex;
  options.title = title;
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
    for (std::string_view day : kWeekDayChoices) {
      SendDlgItemMessageW(Handle(), IDC_WEEKDAY, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(Widen(day).c_str()));
    }
    SendDlgItemMessageW(Handle(), IDC_MAIN_REFRESH_SPIN, UDM_SETRANGE32, kMainRefreshRange.low,
                        kMainRefreshRange.high);
    SendDlgItemMessageW(Handle(), IDC_ALERT_REPEAT_SPIN, UDM_SETRANGE32, kAlertRepeatRange.low,
                        kAlertRepeatRange.high);
    SendDlgItemMessageW(Handle(), IDC_CATCH_UP_DAYS_SPIN, UDM_SETRANGE32, kCatchUpDaysRange.low,
                        kCatchUpDaysRange.high);
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

  void ShowValues() {
    SetDlgItemInt(Handle(), IDC_MAIN_REFRESH, static_cast<UINT>(values_.mainRefresh), FALSE);
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(values_.monthDayDate.year);
    date.wMonth = static_cast<WORD>(values_.monthDayDate.month);
    date.wDay = static_cast<WORD>(values_.monthDayDate.day);
    SendDlgItemMessageW(Handle(), IDC_MONTH_DAY, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&date));
    if (values_.weekDayChoice) {
      SendDlgItemMessageW(Handle(), IDC_WEEKDAY, CB_SETCURSEL,
                          static_cast<WPARAM>(*values_.weekDayChoice), 0);
    }
    SetItemText(IDC_DEFAULT_FILE, values_.defaultLib);
    Check(IDC_AUTOSAVE, values_.autoSave);
    CheckChoice(kLibModeButtons, values_.defaultLibMode);
    Check(IDC_AUTOSTART, values_.autoStart);
    Check(IDC_MINIMIZE, values_.minimize);
    Check(IDC_ACTIVE, values_.active);
    Check(IDC_NEW_EVENT_ACTIVE, values_.newItemActive);
    Check(IDC_NEW_EVENT_QUERY, values_.newItemReq);
    for (std::size_t row = 0; row < 3; ++row) {
      SetItemText(RowItem(row, IDC_USER_ROW_NAME), values_.shortCutName[row]);
      SetItemText(RowItem(row, IDC_USER_ROW_FILE), values_.shortCutFile[row]);
      ShowFileIcon(row, values_.shortCutFile[row]);
    }
    SetDlgItemInt(Handle(), IDC_ALERT_REPEAT, static_cast<UINT>(values_.alertRepeat), FALSE);
    CheckChoice(kAlertModeButtons, values_.alertMode);
    Check(IDC_CATCH_UP, values_.catchUp);
    SetDlgItemInt(Handle(), IDC_CATCH_UP_DAYS, static_cast<UINT>(values_.catchUpDays), FALSE);
    Check(IDC_WAKE_FOR_EVENTS, values_.wakeForEvents);
  }

  bool OnOk() override {
    OptionsValues typed = values_;
    typed.mainRefresh = kMainRefreshRange.Clamp(ReadNumber(IDC_MAIN_REFRESH, values_.mainRefresh));
    // The entry the box shows; a typed text that names none is no choice.
    const LRESULT day =
        SendDlgItemMessageW(Handle(), IDC_WEEKDAY, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(Widen(ItemText(IDC_WEEKDAY)).c_str()));
    typed.weekDayChoice = day == CB_ERR ? std::nullopt : std::optional<int>(static_cast<int>(day));
    SYSTEMTIME date{};
    if (SendDlgItemMessageW(Handle(), IDC_MONTH_DAY, DTM_GETSYSTEMTIME, 0,
                            reinterpret_cast<LPARAM>(&date)) == GDT_VALID) {
      typed.monthDayDate = {date.wYear, date.wMonth, date.wDay};
    }
    typed.defaultLib = ItemText(IDC_DEFAULT_FILE);
    typed.defaultLibMode = CheckedChoice(kLibModeButtons);
    typed.autoSave = Checked(IDC_AUTOSAVE);
    typed.autoStart = Checked(IDC_AUTOSTART);
    typed.minimize = Checked(IDC_MINIMIZE);
    typed.active = Checked(IDC_ACTIVE);
    typed.newItemActive = Checked(IDC_NEW_EVENT_ACTIVE);
    typed.newItemReq = Checked(IDC_NEW_EVENT_QUERY);
    for (std::size_t row = 0; row < 3; ++row) {
      typed.shortCutName[row] = ItemText(RowItem(row, IDC_USER_ROW_NAME));
      typed.shortCutFile[row] = ItemText(RowItem(row, IDC_USER_ROW_FILE));
    }
    typed.alertRepeat = kAlertRepeatRange.Clamp(ReadNumber(IDC_ALERT_REPEAT, values_.alertRepeat));
    typed.catchUp = Checked(IDC_CATCH_UP);
    typed.catchUpDays = kCatchUpDaysRange.Clamp(ReadNumber(IDC_CATCH_UP_DAYS, values_.catchUpDays));
    typed.wakeForEvents = Checked(IDC_WAKE_FOR_EVENTS);
    typed.alertMode = CheckedChoice(kAlertModeButtons);
    commit_(typed);  // a refusal throws: the dialog stays open as the user left it
    values_ = std::move(typed);
    return true;
  }

  void OnCommand(int id, int notification) override {
    if (notification != BN_CLICKED) {
      return;
    }
    if (id == IDC_DEFAULT_FILE_PICK) {
      if (auto file = ChooseFile(Handle(), L"Zorvat-Liste öffnen...", 1)) {
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
    if (auto file = ChooseFile(Handle(), L"Datei angeben...", 2)) {
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
  void CheckChoice(const std::array<int, 3>& buttons, std::optional<int> choice) const {
    if (choice) {
      for (std::size_t i = 0; i < buttons.size(); ++i) {
        Check(buttons[i], static_cast<int>(i) == *choice);
      }
    }
  }
  std::optional<int> CheckedChoice(const std::array<int, 3>& buttons) const {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (Checked(buttons[i])) {
        return static_cast<int>(i);
      }
    }
    return std::nullopt;
  }

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
