#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "OptionsDialogIds.h"
#include "base/DateTime.h"
#include "base/Files.h"
#include "events/ListDocument.h"
#include "events/ScriptedFileDialogs.h"
#include "settings/LiveSettings.h"
#include "settings/SettingsStore.h"
#include "shellkit/SystemFolders.h"
#include "shellkit/WideText.h"
#include "support/FilesystemPaths.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "ui/ApplicationWindow.h"
#include "ui/MainWindow.h"
#include "ui/WindowIds.h"
#include "win/DialogScript.h"
#include "win/WinTestSupport.h"

namespace zorvat::ui {
namespace {

using testing::DialogScript;

HWND Descendant(HWND window, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) == s->id) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string ColumnCaption(HWND list, int column) {
  wchar_t text[256] = {};
  LVCOLUMNW description{};
  description.mask = LVCF_TEXT;
  description.pszText = text;
  description.cchTextMax = 256;
  ListView_GetColumn(list, column, &description);
  return Narrow(text);
}

// The captions after "Explorer", a separator as "-".
std::vector<std::string> SwitchToItems(HMENU menu) {
  std::vector<std::string> items;
  for (int i = 1; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    items.push_back(GetMenuItemID(menu, i) == 0 ? "-" : Narrow(text));
  }
  return items;
}

class MainWindowOptionsTest : public ::testing::Test {
 protected:
  MainWindowOptionsTest() {
    live.weekDay = 6;
    live.monthDay = 15;
    MainWindowSetup setup{document, live, clock, formats};
    setup.programFolder = folder;
    setup.settings = &settings;
    window = std::make_unique<MainWindow>(application, gate, prompts, setup);
  }

  void Command(int id) { SendMessageW(window->Handle(), WM_COMMAND, id, 0); }

  zorvat::testing::TempFolder temp;
  const std::string folder = temp.Path() + "\\";
  zorvat::testing::ScriptedPrompts prompts;
  zorvat::testing::ScriptedFileDialogs dialogs;
  ManualClock clock{EncodeDateTime({2026, 4, 7}, {9, 5, 3, 0})};
  LiveSettings live;
  RegionalFormats formats = RegionalFormats::EnUs();
  ListDocument document{prompts, dialogs, clock, RegionalFormats::EnUs(), folder};
  SettingsFile settings{folder};
  ApplicationWindow application{prompts};
  ModalGate gate;
  std::unique_ptr<MainWindow> window;
};

// OK renames the two event columns, keeps the "Switch to" menu and the start-up shortcut as
// the dialog left them, at once.
TEST_F(MainWindowOptionsTest, OkAppliesHeadersSwitchToEntriesAndTheStartupShortcut) {
  const zorvat::testing::NoWineMenuBuilder noMenuBuilder;
  const std::string program = temp.File("tool.exe");
  zorvat::testing::WriteBytes(program, "MZ");
  settings.WriteString("ShortCuts", "ShortCut_Name#1", "Tool");
  settings.WriteString("ShortCuts", "ShortCut_File#1", program);
  settings.WriteString("ShortCuts", "ShortCut_Name#2", "Gone");
  settings.WriteString("ShortCuts", "ShortCut_File#2", temp.File("gone.exe"));
  settings.WriteString("Config", "AutoStart", "0");
  const std::string link = shellkit::GetSystemFolder(19) + "\\Brumsel! Zorvat.lnk";

  window->RefreshSwitchToMenu();
  EXPECT_EQ(SwitchToItems(window->SwitchToMenu()), (std::vector<std::string>{"-", "Tool"}));
  // The weekly list is shown before, the monthly one only after: it gets its caption when made.
  const auto show = [&](int button) {
    SendMessageW(Descendant(window->Handle(), button), BM_CLICK, 0, 0);
  };
  show(IDC_SHOW_WEEKLY);

  DialogScript script;
  script.At("Options", [](HWND dialog) {
    CheckDlgButton(dialog, IDC_AUTOSTART, BST_CHECKED);
    return true;
  });
  script.Press("Options", IDOK);
  Command(IDC_OPTIONS);
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(ColumnCaption(Descendant(window->Handle(), IDC_WEEKLY_LIST), 1),
            "Ereignis (wöchentlich: Fridays)");
  ASSERT_EQ(Descendant(window->Handle(), IDC_MONTHLY_LIST), nullptr);
  show(IDC_SHOW_MONTHLY);
  EXPECT_EQ(ColumnCaption(Descendant(window->Handle(), IDC_MONTHLY_LIST), 1),
            "Ereignis (monatlich: jeden 15. des Monats)");
  EXPECT_TRUE(zorvat::testing::PathExists(link));
  EXPECT_EQ(settings.ReadString("Config", "AutoStart", "?"), "1");

  // Cleared in the dialog: gone at OK, the separator with it; the shortcut deleted.
  DialogScript again;
  again.At("Options", [](HWND dialog) {
    CheckDlgButton(dialog, IDC_AUTOSTART, BST_UNCHECKED);
    SetDlgItemTextW(dialog, IDC_USER_ROW_FIRST + IDC_USER_ROW_NAME, L"");
    return true;
  });
  again.Press("Options", IDOK);
  Command(IDC_OPTIONS);
  EXPECT_FALSE(again.TimedOut());
  EXPECT_EQ(SwitchToItems(window->SwitchToMenu()), std::vector<std::string>{});
  EXPECT_FALSE(zorvat::testing::PathExists(link));
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MainWindowOptionsTest, ListInformationOfARealFileAndNothingWithoutOne) {
  Command(IDC_LIST_INFO);  // no file yet: no window, so no script is needed
  const std::string list = temp.File("week.zrl");
  zorvat::testing::WriteBytes(list,
                              "[General]\r\n12/24/2026 6:30:00 PM=0|Dinner||0|1\r\n"
                              "12/25/2026 6:30:00 PM=0|Lunch||0|1\r\n[Monthly]\r\n"
                              "9:00:00 AM=2|C:\\report.exe||1|0\r\n");
  document.ReadFile(list);
  std::array<std::string, 5> shown;
  DialogScript script;
  script.At("Info", [&](HWND dialog) {
    shown = {DialogScript::ItemText(dialog, IDC_INFO_FILE),
             DialogScript::ItemText(dialog, IDC_INFO_FOLDER),
             DialogScript::ItemText(dialog, IDC_INFO_SIZE),
             DialogScript::ItemText(dialog, IDC_INFO_COUNT_FIRST),
             DialogScript::ItemText(dialog, IDC_INFO_COUNT_FIRST + 3)};
    return true;
  });
  script.Press("Info", IDOK);
  Command(IDC_LIST_INFO);
  EXPECT_FALSE(script.TimedOut());
  const auto size = std::filesystem::file_size(PathFromUtf8(list));
  EXPECT_EQ(shown,
            (std::array<std::string, 5>{"week.zrl", temp.Path(), std::to_string(size) + " bytes",
                                        "2 entries", "1 entries"}));
}

}  // namespace
}  // namespace zorvat::ui
