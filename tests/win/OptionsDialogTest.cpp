#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "OptionsDialogIds.h"
#include "base/Error.h"
#include "support/ScriptedPrompts.h"
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
  blinking.shortCutName = {"Notepad", "", ""};
  blinking.shortCutFile = {"C:\\windows\\notepad.exe", "", ""};
  for (const OptionsValues& shown : {defaults, blinking}) {
    testing::ScriptedPrompts errors;
    std::string weekDay;
    std::string repeat;
    bool presets = false;
    bool activeTicked = false;
    bool autoStartTicked = true;
    bool noListTicked = false;
    std::array<bool, 3> alertModes{};
    bool blinkEnabled = true;
    DialogScript script;
    script.At("Options", [&](HWND dialog) {
      presets = TabCtrl_GetCurSel(GetDlgItem(dialog, IDC_OPTIONS_TABS)) == kFirstOptionsPage;
      weekDay = DialogScript::ItemText(dialog, IDC_WEEKDAY);
      repeat = DialogScript::ItemText(dialog, IDC_ALERT_REPEAT);
      activeTicked = Checked(dialog, IDC_ACTIVE);
      autoStartTicked = Checked(dialog, IDC_AUTOSTART);
      noListTicked = Checked(dialog, IDC_NO_DEFAULT_LIST);
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
    EXPECT_TRUE(noListTicked);
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

}  // namespace
}  // namespace zorvat::ui
