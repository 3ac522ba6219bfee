#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "OptionsDialogIds.h"
#include "base/Error.h"
#include "settings/OptionsTable.h"
#include "settings/OptionsTexts.h"
#include "shellkit/WideText.h"
#include "support/ScriptedPrompts.h"
#include "ui/ListInfoDialog.h"
#include "ui/OptionsDialog.h"
#include "win/DialogScript.h"

namespace zorvat::ui {
namespace {

using testing::DialogScript;

bool Checked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// The controls show the values, and OK without a change gives them back as they came.
TEST(OptionsDialog, ShowsTheValuesAndOkUnchangedGivesThemBack) {
  OptionsValues defaults;  // as shown without a settings file
  defaults.alertRepeat = 3;
  defaults.monthDayDate = {2026, 5, 31};
  OptionsValues blinking = defaults;
  blinking.alertMode = 2;  // the user cannot tick it, but it shows ticked
  blinking.defaultLibMode = 2;
  blinking.shortCutName = {"Notepad", "", ""};
  blinking.shortCutFile = {"C:\\windows\\notepad.exe", "", ""};
  for (const OptionsValues& shown : {defaults, blinking}) {
    testing::ScriptedPrompts errors;
    std::string weekDay;
    std::string repeat;
    bool presets = false;
    bool activeTicked = false;
    bool autoStartTicked = true;
    std::array<bool, 3> libModes{};
    std::array<bool, 3> alertModes{};
    bool blinkEnabled = true;
    DialogScript script;
    script.At("Options", [&](HWND dialog) {
      presets = TabCtrl_GetCurSel(GetDlgItem(dialog, IDC_OPTIONS_TABS)) == kFirstOptionsPage;
      weekDay = DialogScript::ItemText(dialog, IDC_WEEKDAY);
      repeat = DialogScript::ItemText(dialog, IDC_ALERT_REPEAT);
      activeTicked = Checked(dialog, IDC_ACTIVE);
      autoStartTicked = Checked(dialog, IDC_AUTOSTART);
      libModes = {Checked(dialog, IDC_NO_DEFAULT_LIST), Checked(dialog, IDC_LAST_LIST),
                  Checked(dialog, IDC_DEFAULT_LIST)};
      alertModes = {Checked(dialog, IDC_NO_VISUAL_ALERT), Checked(dialog, IDC_DIALOG_ALERT),
                    Checked(dialog, IDC_BLINK_ALERT)};
      blinkEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_BLINK_ALERT));
      return true;
    });
    script.Press("Options", IDOK);
    int page = kFirstOptionsPage;
    int commits = 0;
    const auto confirmed =
        EditOptions(nullptr, errors, shown, page, [&](const OptionsValues&) { ++commits; });
    EXPECT_FALSE(script.TimedOut());
    EXPECT_TRUE(presets);
    EXPECT_EQ(weekDay, "Freitag");
    EXPECT_EQ(repeat, "3");
    EXPECT_TRUE(activeTicked);
    EXPECT_FALSE(autoStartTicked);
    for (int mode = 0; mode < 3; ++mode) {
      EXPECT_EQ(libModes[mode], shown.defaultLibMode == mode) << mode;
    }
    EXPECT_EQ(alertModes[2], shown.alertMode == 2);
    EXPECT_EQ(alertModes[0], shown.alertMode == 0);
    EXPECT_FALSE(blinkEnabled);
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(confirmed, shown);
  }
}

// A refused write keeps the dialog open with what the user typed; a typed weekday is no choice.
TEST(OptionsDialog, RefusedWriteKeepsTheDialogOpenWithTheUsersValues) {
  testing::ScriptedPrompts errors;
  std::string keptWeekDay;
  std::string keptRepeat;
  DialogScript script;
  script.Type("Options", IDC_WEEKDAY, "Freitags")
      .Type("Options", IDC_ALERT_REPEAT, "9999")  // beyond the range: kept at 255
      .Press("Options", IDOK)
      .At("Options",
          [&](HWND dialog) {
            keptWeekDay = DialogScript::ItemText(dialog, IDC_WEEKDAY);
            keptRepeat = DialogScript::ItemText(dialog, IDC_ALERT_REPEAT);
            return true;
          })
      .Press("Options", IDOK);
  int page = 0;
  int attempts = 0;
  const auto confirmed =
      EditOptions(nullptr, errors, OptionsValues{}, page, [&](const OptionsValues&) {
        if (++attempts == 1) {
          throw Error("Unable to write to C:\\Zorvat\\Zorvat.ini");
        }
      });
  EXPECT_FALSE(script.TimedOut());
  ASSERT_EQ(errors.shown.size(), 1u);
  EXPECT_EQ(errors.shown[0].text, "Unable to write to C:\\Zorvat\\Zorvat.ini.");
  EXPECT_EQ(keptWeekDay, "Freitags");
  EXPECT_EQ(keptRepeat, "9999");
  ASSERT_TRUE(confirmed);
  EXPECT_EQ(confirmed->weekDayChoice, std::nullopt);
  EXPECT_EQ(confirmed->alertRepeat, 255);
  EXPECT_EQ(page, 0);
}

// The list picker opens the file dialog on list files, a "Switch to" row's picker on all files,
// each under its own title; cancelled, the fields keep what they held.
TEST(OptionsDialog, FilePickersOpenWithTheirTitleAndFilter) {
  testing::ScriptedPrompts errors;
  OptionsValues shown;
  shown.defaultLib = "C:\\Lists\\Mine.zrl";
  const auto filterOf = [](int& chosen) {
    return [&chosen](HWND dialog) {
      chosen = static_cast<int>(SendDlgItemMessageW(dialog, cmb1, CB_GETCURSEL, 0, 0));
      return true;
    };
  };
  int listFilter = -1;
  int fileFilter = -1;
  std::string keptList;
  DialogScript script;
  script.Press("Options", IDC_DEFAULT_FILE_PICK)
      .At("Zorvat-Liste \xc3\xb6"
          "ffnen...",
          filterOf(listFilter))
      .Press(
          "Zorvat-Liste \xc3\xb6"
          "ffnen...",
          IDCANCEL)
      .Press("Options", IDC_USER_ROW_FIRST + IDC_USER_ROW_PICK)
      .At("Datei angeben...", filterOf(fileFilter))
      .Press("Datei angeben...", IDCANCEL)
      .At("Options",
          [&](HWND dialog) {
            keptList = DialogScript::ItemText(dialog, IDC_DEFAULT_FILE);
            return true;
          })
      .Press("Options", IDCANCEL);
  int page = kFirstOptionsPage;
  EditOptions(nullptr, errors, shown, page, [](const OptionsValues&) {});
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(listFilter, 0);  // Zorvat Liste (*.zrl)
  EXPECT_EQ(fileFilter, 1);  // Alle Dateien (*.*)
  EXPECT_EQ(keptList, shown.defaultLib);
}

std::string ClassOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return Narrow(name);
}

// The control each option's row names is in the template, of the class its kind needs, and shows
// on its row's page alone; a number's spin button takes the row's range.
TEST(OptionsDialog, EveryOptionsControlIsOfItsKindAndShowsOnItsPage) {
  testing::ScriptedPrompts errors;
  std::vector<std::string> faults;
  DialogScript script;
  script.At("Options", [&](HWND dialog) {
    for (const Option& option : Options()) {
      const std::string name(option.key.name);
      const HWND control = GetDlgItem(dialog, option.control);
      const std::string kind =
          std::visit(Overloaded{[](const FlagOption&) { return "Button"; },
                                [](const NumberOption&) { return "Edit"; },
                                [](const ChoiceOption&) { return "Button"; },
                                [](const TextOption&) { return "Edit"; },
                                [](const WeekDayOption&) { return "ComboBox"; },
                                [](const MonthDayOption&) { return "SysDateTimePick32"; }},
                     option.value);
      if (ClassOf(control) != kind) {
        faults.push_back(name + " is a " + ClassOf(control));
      }
      if (const auto* number = std::get_if<NumberOption>(&option.value)) {
        int low = 0;
        int high = 0;
        SendDlgItemMessageW(dialog, SpinButtonOf(option), UDM_GETRANGE32,
                            reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        if (low != number->range.low || high != number->range.high) {
          faults.push_back(name + ": spin range " + std::to_string(low) + ".." +
                           std::to_string(high));
        }
      }
    }
    const HWND tabs = GetDlgItem(dialog, IDC_OPTIONS_TABS);
    for (int page = 0; page < static_cast<int>(kOptionsPages.size()); ++page) {
      TabCtrl_SetCurSel(tabs, page);
      NMHDR change{tabs, IDC_OPTIONS_TABS, static_cast<UINT>(TCN_SELCHANGE)};
      SendMessageW(dialog, WM_NOTIFY, IDC_OPTIONS_TABS, reinterpret_cast<LPARAM>(&change));
      for (const Option& option : Options()) {
        if ((IsWindowVisible(GetDlgItem(dialog, option.control)) != FALSE) !=
            (option.page == page)) {
          faults.push_back(std::string(option.key.name) + " on page " + std::to_string(page));
        }
      }
    }
    return true;
  });
  script.Press("Options", IDCANCEL);
  int page = kFirstOptionsPage;
  EditOptions(nullptr, errors, OptionsValues{}, page, [](const OptionsValues&) {});
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(faults, std::vector<std::string>{});
}

LOGFONTW FontOf(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

// Arial 8 pt, and the month-day picker as wide as the long date it shows.
TEST(OptionsDialog, ArialAndAMonthDayPickerWideEnoughForItsDate) {
  testing::ScriptedPrompts errors;
  OptionsValues shown;
  shown.monthDayDate = {2026, 9, 30};  // Wednesday, September 30, 2026: a long one
  LOGFONTW font{};
  int pickerWidth = 0;
  SIZE ideal{};
  DialogScript script;
  script.At("Options", [&](HWND dialog) {
    font = FontOf(dialog);
    const HWND picker = GetDlgItem(dialog, IDC_MONTH_DAY);
    RECT box{};
    GetWindowRect(picker, &box);
    pickerWidth = box.right - box.left;
    SendMessageW(picker, DTM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    return true;
  });
  script.Press("Options", IDCANCEL);
  int page = kFirstOptionsPage;
  EditOptions(nullptr, errors, shown, page, [](const OptionsValues&) {});
  EXPECT_FALSE(script.TimedOut());
  EXPECT_STREQ(font.lfFaceName, L"Arial");
  EXPECT_EQ(font.lfHeight, -11);
  EXPECT_GT(ideal.cx, 0);
  EXPECT_GE(pickerWidth, ideal.cx);
}

// The information opens with the focus on its button, not with the file name selected; the
// about window's second notice is bold.
TEST(ListInfoAndAbout, FocusOnOkayAndABoldNotice) {
  testing::ScriptedPrompts errors;
  bool okayFocused = false;
  LONG noticeWeight = 0;
  LOGFONTW aboutFont{};
  DialogScript script;
  script.At("Info", [&](HWND dialog) {
    okayFocused = GetFocus() == GetDlgItem(dialog, IDOK);
    return true;
  });
  script.Press("Info", IDOK);
  script.At("Über Zorvat...", [&](HWND dialog) {
    noticeWeight = FontOf(GetDlgItem(dialog, IDC_ABOUT_NOTICE)).lfWeight;
    aboutFont = FontOf(dialog);
    return true;
  });
  script.Press("Über Zorvat...", IDOK);
  const ListInfoTexts texts{"Two.zrl",     "C:\\Lists",
                            "Zorvat list", "120 bytes",
                            "1/2/2027",    {"1 entries", "0 entries", "0 entries", "0 entries"}};
  ShowListInfo(nullptr, errors, texts, nullptr);
  ShowAbout(nullptr, errors);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_TRUE(okayFocused);
  EXPECT_GE(noticeWeight, FW_BOLD);
  EXPECT_STREQ(aboutFont.lfFaceName, L"Arial");
}

}  // namespace
}  // namespace zorvat::ui
