#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "base/Error.h"
#include "base/Files.h"
#include "settings/DayPickers.h"
#include "settings/OptionsValues.h"
#include "settings/SettingsStore.h"
#include "settings/SwitchToMenu.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr CivilDate kToday{2026, 4, 10};

class OptionsTest : public ::testing::Test {
 protected:
  void WriteIni(const std::string& text) { ReplaceFileAtomically(settings.Path(), text); }
  std::string IniBytes() const { return ReadFileBytes(settings.Path()).value_or("<missing>"); }
  OptionsValues Load(const OptionsValues& previous = {}) const {
    return LoadOptions(settings, live, kToday, previous);
  }

  TempFolder dir;
  SettingsFile settings{dir.Path()};
  LiveSettings live;  // as start-up leaves it without a settings file
};

TEST_F(OptionsTest, WithoutSettingsFileShowsTheDialogsDefaultsAndOkWritesThem) {
  const OptionsValues shown = Load();
  EXPECT_TRUE(shown.active);
  EXPECT_FALSE(shown.autoStart);
  EXPECT_EQ(shown.alertRepeat, 3);
  EXPECT_EQ(shown.defaultLibMode, 0);
  EXPECT_EQ(shown.alertMode, 0);
  EXPECT_EQ(shown.weekDayChoice, 4);  // Freitag
  EXPECT_EQ(shown.monthDayDate, (CivilDate{2026, 4, 1}));
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(shown.shortCutName[i], "");
    EXPECT_EQ(shown.shortCutFile[i], "");
  }

  // Every key in the order the dialog has always written them, with its spelling and default.
  settings.WriteAll(OptionsWrites(shown));
  ApplyOptions(shown, live);
  EXPECT_EQ(IniBytes(),
            "[Config]\r\nMainRefresh=5000\r\nWeekEVDay=6\r\nMonthEVDay=1\r\nDefaultLib=\r\n"
            "DefaultLibMode=0\r\nAutoSave=1\r\nAutoStart=0\r\nMinimize=0\r\nActive=1\r\n"
            "NewItem_Active=1\r\nNewItem_Req=1\r\nAlertRepeat=3\r\nAlertMode=0\r\nCatchUp=1\r\n"
            "CatchUpDays=7\r\nWakeForEvents=0\r\n[ShortCuts]\r\nSHortCut_Name#1=\r\n"
            "SHortCut_File#1=\r\nSHortCut_Name#2=\r\nSHortCut_File#2=\r\nSHortCut_Name#3=\r\n"
            "SHortCut_File#3=\r\n");
  EXPECT_EQ(live.alertRepeat, 3);
  EXPECT_EQ(live.weekDayName, "Friday");
  // The next start reads what the dialog showed, not its own defaults.
  EXPECT_TRUE(settings.Read(keys::kActiveAtStartUp));
  LiveSettings next;
  LoadLiveSettings(settings, next);
  EXPECT_EQ(next.alertRepeat, 3);
}

// Stored values outside the ranges show clamped; choices the dialog lacks keep the previous one.
TEST_F(OptionsTest, StoredValuesShowClampedOrKeepThePreviousChoice) {
  const struct {
    std::uint16_t period;
    const char* alertRepeat;
    const char* alertMode;
    const char* libMode;
    int shownPeriod;
    int shownRepeat;
    std::optional<int> shownAlertMode;
    std::optional<int> shownLibMode;
  } cases[] = {
      {5000, "3", "2", "1", 5000, 3, 2, 1},  // the blink mode the user cannot tick shows ticked
      {0, "0", "-1", "3", 1000, 1, 1, 2},    // unknown modes: as before (previous 1 and 2)
      {999, "256", "3", "x", 1000, 255, 1, 0},
      {60001, "9999", "0", "2", 60000, 255, 0, 2},
  };
  OptionsValues previous;
  previous.alertMode = 1;
  previous.defaultLibMode = 2;
  for (const auto& c : cases) {
    live.mainTimerPeriod = c.period;
    WriteIni(std::string("[Config]\r\nAlertRepeat=") + c.alertRepeat +
             "\r\nAlertMode=" + c.alertMode + "\r\nDefaultLibMode=" + c.libMode + "\r\n");
    const OptionsValues shown = Load(previous);
    EXPECT_EQ(shown.mainRefresh, c.shownPeriod) << c.period;
    EXPECT_EQ(shown.alertRepeat, c.shownRepeat) << c.alertRepeat;
    EXPECT_EQ(shown.alertMode, c.shownAlertMode) << c.alertMode;
    EXPECT_EQ(shown.defaultLibMode, c.shownLibMode) << c.libMode;
  }
  // Written back unchanged, the blink mode and the start-up mode 2 stay 2.
  WriteIni("[Config]\r\nAlertMode=2\r\nDefaultLibMode=2\r\n");
  previous.alertMode = 0;
  previous.defaultLibMode = 0;
  const OptionsValues stored = Load(previous);
  EXPECT_EQ(stored.alertMode, 2);
  EXPECT_EQ(stored.defaultLibMode, 2);
  settings.WriteAll(OptionsWrites(stored));
  EXPECT_EQ(settings.ReadString("Config", "AlertMode", "?"), "2");
  EXPECT_EQ(settings.ReadString("Config", "DefaultLibMode", "?"), "2");
}

TEST_F(OptionsTest, WeekdayMapsBothWaysAndATypedOneChangesNothing) {
  const struct {
    std::uint8_t liveWeekDay;
    std::optional<int> confirmedChoice;
    const char* written;  // nullptr: not written
    std::uint8_t liveAfter;
    const char* nameAfter;
  } cases[] = {
      {1, 6, "1", 1, "Sunday"},  // Sonntag is the last entry
      {2, 0, "2", 2, "Monday"},  // Montag the first
      {7, 5, "7", 7, "Saturday"},
      {3, std::nullopt, nullptr, 3, "Tuesday"},  // typed into the box
  };
  for (const auto& c : cases) {
    WriteIni("[Config]\r\nWeekEVDay=4\r\n");
    live.weekDay = c.liveWeekDay;
    UpdateWeekDayName(live);
    OptionsValues values = Load();
    EXPECT_EQ(values.weekDayChoice, WeekDayChoiceIndex(c.liveWeekDay)) << int(c.liveWeekDay);
    values.weekDayChoice = c.confirmedChoice;
    settings.WriteAll(OptionsWrites(values));
    ApplyOptions(values, live);
    EXPECT_EQ(settings.ReadString("Config", "WeekEVDay", "-"), c.written ? c.written : "4");
    EXPECT_EQ(live.weekDay, c.liveAfter);
    EXPECT_EQ(live.weekDayName, c.nameAfter);
  }
}

TEST_F(OptionsTest, MonthDayTheMonthLacksShowsInTheNextMonthAndOkKeepsIt) {
  live.monthDay = 31;  // April has 30 days
  const OptionsValues shown = Load();
  EXPECT_EQ(shown.monthDayDate, (CivilDate{2026, 5, 31}));
  settings.WriteAll(OptionsWrites(shown));
  EXPECT_EQ(settings.ReadString("Config", "MonthEVDay", "?"), "31");
}

// A refused write leaves the file as it was: nothing half written.
TEST_F(OptionsTest, RefusedWriteWritesNothing) {
  WriteIni("[Config]\r\nAlertRepeat=7\r\n");
  fs::permissions(PathFromUtf8(settings.Path()),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  OptionsValues values = Load();
  values.active = false;
  EXPECT_THROW(settings.WriteAll(OptionsWrites(values)), Error);
  EXPECT_EQ(IniBytes(), "[Config]\r\nAlertRepeat=7\r\n");
}

TEST(PickedFileName, FileNameWithoutItsLastFourCharacters) {
  const struct {
    const char* path;
    const char* name;
  } cases[] = {
      {"C:\\Windows\\notepad.exe", "notepad"}, {"C:\\Tools\\make", ""},  {"C:\\Tools\\maker", "m"},
      {"C:\\Docs\\readme.md", "readm"},        {"C:\\Docs\\ab", ""},      // never the folder's name
      {"D:Übersicht.txt", "Übersicht"},        {"C:\\Docs\\aüüüü", "a"},  // characters, not bytes
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PickedFileName(c.path), c.name) << c.path;
  }
}

TEST_F(OptionsTest, SwitchToMenuShowsNamedEntriesWhoseFileExists) {
  const std::set<std::string> files = {"C:\\a.exe", "C:\\c.exe"};
  const auto isFile = [&](const std::string& path) { return files.count(path) > 0; };
  const struct {
    const char* ini;
    std::array<bool, 3> visible;
  } cases[] = {
      {"", {false, false, false}},
      {"SHortCut_Name#1=A\r\nSHortCut_File#1=C:\\a.exe\r\nSHortCut_Name#2=B\r\n"
       "SHortCut_File#2=C:\\gone.exe\r\n",
       {true, false, false}},
      {"SHortCut_Name#1=\r\nSHortCut_File#1=C:\\a.exe\r\nSHortCut_Name#3=C\r\n"
       "SHortCut_File#3=C:\\c.exe\r\n",
       {false, false, true}},  // a cleared name hides its entry
  };
  for (const auto& c : cases) {
    WriteIni(std::string("[ShortCuts]\r\n") + c.ini);
    const SwitchToMenu menu = ReadSwitchToMenu(settings, isFile);
    bool any = false;
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(menu.entries[i].visible, c.visible[i]) << c.ini << i;
      any = any || c.visible[i];
    }
    EXPECT_EQ(menu.separatorVisible, any) << c.ini;
  }
  EXPECT_EQ(SwitchToFile(settings, 2), "C:\\c.exe");
}

}  // namespace
}  // namespace zorvat
