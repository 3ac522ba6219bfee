#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/DateTime.h"
#include "base/Files.h"
#include "events/ExitPath.h"
#include "events/ListDocument.h"
#include "events/ScriptedFileDialogs.h"
#include "settings/LiveSettings.h"
#include "settings/SettingsStore.h"
#include "shellkit/WideText.h"
#include "support/FilesystemPaths.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "ui/ApplicationWindow.h"
#include "ui/MainWindow.h"
#include "ui/WindowIds.h"
#include "win/WinTestSupport.h"

namespace zorvat::ui {
namespace {

std::string MenuText(HMENU menu, int id) {
  wchar_t text[512] = {};
  GetMenuStringW(menu, static_cast<UINT>(id), text, 512, MF_BYCOMMAND);
  return Narrow(text);
}

// A program folder whose name holds an "&", a changed list, the exit path over scripted boxes.
class MainWindowLifecycleTest : public ::testing::Test {
 protected:
  MainWindowLifecycleTest() {
    std::filesystem::create_directories(PathFromUtf8(folder + "Lib"));
    document.AppendEvent(EventKind::Daily, {{0.25, kCmdMessage, "typed", "", false}, true, false},
                         "-");
    MainWindowSetup setup{document, live, clock, formats};
    setup.programFolder = folder;
    setup.exitPath = &exitPath;
    setup.onClosed = [this] { ++closed; };
    setup.beforeExit = [this] { ++leaving; };
    setup.endAtOnce = [this] { ++endedAtOnce; };
    setup.readRegionalFormats = [] { return RegionalFormats::DeDe(); };
    setup.minimizeAtStart = [this] { return minimize; };
    window = std::make_unique<MainWindow>(application, gate, prompts, setup);
  }

  void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    SendMessageW(window->Handle(), message, wParam, lParam);
  }
  std::string Saved(const std::string& path) const { return ReadFileBytes(path).value_or("-"); }
  std::string Caption() const {
    wchar_t caption[512] = {};
    GetWindowTextW(window->Handle(), caption, 512);
    return Narrow(caption);
  }

  zorvat::testing::TempFolder temp;
  const std::string folder = temp.File("A&B") + "\\";
  zorvat::testing::ScriptedPrompts prompts;
  zorvat::testing::ScriptedFileDialogs dialogs;
  ManualClock clock{EncodeDateTime({2026, 12, 7}, {9, 5, 3, 0})};
  LiveSettings live;
  RegionalFormats formats = RegionalFormats::EnUs();
  ListDocument document{prompts, dialogs, clock, RegionalFormats::EnUs(), folder};
  SettingsFile settings{folder};
  ExitPath exitPath{prompts, document, settings};
  ApplicationWindow application{prompts};
  ModalGate gate;
  std::unique_ptr<MainWindow> window;
  int closed = 0;
  int leaving = 0;
  int endedAtOnce = 0;
  bool minimize = true;
};

TEST_F(MainWindowLifecycleTest, AutosaveTickWritesTheListAndTheMenusFollow) {
  Send(WM_TIMER, MainWindow::kAutoSaveTimer);
  const std::string path = folder + "Lib\\Zorvat AutoSave.zrl";
  EXPECT_NE(Saved(path).find("typed"), std::string::npos);
  EXPECT_EQ(Caption(), "Brumsel! Zorvat - " + path);
  const std::string shown = temp.File("A&&B") + "\\Lib\\Zorvat AutoSave.zrl\tF5";
  EXPECT_EQ(MenuText(GetMenu(window->Handle()), IDC_RECENT_1), shown);
  EXPECT_EQ(MenuText(window->TrayMenu(), IDC_RECENT_1), shown);
  EXPECT_EQ(MenuText(window->TrayMenu(), IDC_RECENT_2), "[Keine#2]\tF6");

  // A tick with nothing to save leaves the window alone: mirroring full lists costs.
  SetWindowTextW(window->Handle(), L"untouched");
  Send(WM_TIMER, MainWindow::kAutoSaveTimer);
  EXPECT_EQ(Caption(), "untouched");
}

// The error box's own message loop goes on delivering the autosave timer: one failure, one box.
TEST_F(MainWindowLifecycleTest, AFailingAutosaveShowsOneBoxWhileItIsOpen) {
  std::filesystem::remove_all(PathFromUtf8(folder + "Lib"));
  zorvat::testing::WriteBytes(folder + "Lib", "");  // a file where the folder should be
  prompts.onShow = [this](const auto&) {
    if (prompts.shown.size() < 3) {  // a few ticks while the box is open, not forever
      Send(WM_TIMER, MainWindow::kAutoSaveTimer);
    }
  };
  Send(WM_TIMER, MainWindow::kAutoSaveTimer);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
}

TEST_F(MainWindowLifecycleTest, ExitAsksAndOnlyYesEndsTheProgram) {
  prompts.Answer(PromptAnswer::No);  // save before exiting?
  prompts.Answer(PromptAnswer::No);  // exit anyway?
  Send(WM_COMMAND, IDC_EXIT);
  EXPECT_TRUE(IsWindow(window->Handle()));
  EXPECT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(settings.Read(keys::kZorvatChoiceWidth), window->LeftColumnWidth());

  prompts.Answer(PromptAnswer::No);
  prompts.Answer(PromptAnswer::Yes);
  Send(WM_CLOSE);
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(leaving, 1);
  EXPECT_TRUE(document.Dirty());  // the user chose not to save
}

TEST_F(MainWindowLifecycleTest, ASessionThatEndsRegardlessSavesWithoutAsking) {
  // As the uninstaller closes Zorvat to replace it.
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
  Send(WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
  EXPECT_TRUE(prompts.shown.empty());
  const std::string path = folder + "Lib\\Zorvat AutoSave.zrl";
  EXPECT_NE(Saved(path).find("typed"), std::string::npos);
  EXPECT_EQ(settings.Read(keys::kLastOpened), path);
  EXPECT_EQ(closed, 1);
}

// A settings file that cannot be written is shown once and holds up neither an exit nor the
// session's end; a session that ends regardless still saves the list.
TEST_F(MainWindowLifecycleTest, AnUnwritableSettingsFileIsShownOnceAndTheProgramEnds) {
  std::filesystem::create_directories(PathFromUtf8(settings.Path()));  // no file can go there
  prompts.Answer(PromptAnswer::No);                                    // save before exiting?
  prompts.Answer(PromptAnswer::No);                                    // exit anyway?
  Send(WM_COMMAND, IDC_EXIT);
  ASSERT_EQ(prompts.shown.size(), 3u);
  EXPECT_EQ(prompts.shown[1].icon, PromptIcon::Error);
  EXPECT_EQ(closed, 0);

  prompts.shown.clear();
  prompts.Answer(PromptAnswer::No);
  prompts.Answer(PromptAnswer::No);  // the user keeps Zorvat; Windows ends all the same
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_CRITICAL), TRUE);
  Send(WM_ENDSESSION, TRUE, ENDSESSION_CRITICAL);
  EXPECT_EQ(prompts.shown.size(), 2u);  // no second error box
  EXPECT_NE(Saved(folder + "Lib\\Zorvat AutoSave.zrl").find("typed"), std::string::npos);
  EXPECT_EQ(closed, 1);
}

// The list's own file refuses the save the user asked for: the close check shows it, and the
// end keeps the changes in a fresh autosave file without showing the same failure again.
TEST_F(MainWindowLifecycleTest, ASessionEndKeepsWhatTheListsOwnFileRefused) {
  const std::string path = temp.File("list.zrl");
  zorvat::testing::WriteBytes(path, "[General]\r\n12/24/2026 6:30:00 PM=0|Other||0|1\r\n");
  prompts.Answer(PromptAnswer::Yes);  // discard the changes?
  document.ReadFile(path);
  document.AppendEvent(EventKind::Daily, {{0.5, kCmdMessage, "noon", "", false}, true, false}, "-");
  SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
  prompts.shown.clear();
  prompts.Answer(PromptAnswer::Yes);  // save before exiting?
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[1].icon, PromptIcon::Error);
  Send(WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(prompts.shown.size(), 2u);
  const std::string autosave = folder + "Lib\\Zorvat AutoSave.zrl";
  EXPECT_NE(Saved(autosave).find("noon"), std::string::npos);
  EXPECT_EQ(settings.Read(keys::kLastOpened), autosave);
  EXPECT_EQ(closed, 1);
  SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A failure shown at an end that another program called off does not hide a later one.
TEST_F(MainWindowLifecycleTest, AnEndCalledOffHidesNoFailureOfALaterEnd) {
  const std::string blocked = temp.File("blocked.zrl");
  std::filesystem::create_directory(PathFromUtf8(blocked));  // a folder where the file should go
  prompts.Answer(PromptAnswer::Yes);                         // save before exiting?
  dialogs.Choose(blocked);
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  ASSERT_EQ(prompts.shown.size(), 2u);
  Send(WM_ENDSESSION, FALSE, 0);

  std::filesystem::remove_all(PathFromUtf8(folder + "Lib"));
  zorvat::testing::WriteBytes(folder + "Lib", "");  // no autosave file can go there
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_CRITICAL), TRUE);
  Send(WM_ENDSESSION, TRUE, ENDSESSION_CRITICAL);
  ASSERT_EQ(prompts.shown.size(), 3u);
  EXPECT_NE(prompts.shown[2].text.find("Zorvat AutoSave.zrl"), std::string::npos);
  EXPECT_EQ(closed, 1);
}

// The installer ends the session while the exit's questions are open: the stamp is kept, the list
// too unless the user has said No to saving it already, and the process is ended where it
// stands, rather than the window destroyed under the question, whose caller would go on with it.
TEST_F(MainWindowLifecycleTest, ASessionEndingWhileABoxIsOpenKeepsAllAndEndsAtOnce) {
  for (const bool saveDeclined : {false, true}) {
    int boxes = 0;
    prompts.onShow = [&](const auto&) {
      if (++boxes != (saveDeclined ? 2 : 1)) {
        return;  // "save it?" answered; the end comes during "exit anyway?"
      }
      EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
      Send(WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
      EXPECT_TRUE(IsWindow(window->Handle()));
    };
    if (saveDeclined) {
      document.AppendEvent(EventKind::Daily,
                           {{0.5, kCmdMessage, "typed again", "", false}, true, false}, "-");
      prompts.Answer(PromptAnswer::No);  // save it?
      prompts.Answer(PromptAnswer::No);  // exit anyway? (as a box ended unanswered gives)
    } else {
      prompts.Answer(PromptAnswer::Cancel);  // save it?
    }
    Send(WM_COMMAND, IDC_EXIT);
    EXPECT_EQ(endedAtOnce, 1);
    EXPECT_EQ(leaving, 1);
    EXPECT_EQ(Saved(folder + "Lib\\Zorvat AutoSave.zrl").find("typed") != std::string::npos,
              !saveDeclined);
    EXPECT_TRUE(IsWindow(window->Handle()));
    EXPECT_EQ(closed, 0);
    prompts.onShow = nullptr;
    endedAtOnce = leaving = 0;
    std::filesystem::remove(PathFromUtf8(folder + "Lib\\Zorvat AutoSave.zrl"));
  }
}

// Saved under a name through the exit's question, then kept open: the caption and the recent
// lists name the file at once, as after any save.
TEST_F(MainWindowLifecycleTest, ASaveThroughTheExitQuestionShowsAtOnceWhenZorvatStays) {
  const std::string path = temp.File("saved.zrl");
  prompts.Answer(PromptAnswer::Yes);  // save before exiting?
  dialogs.Choose(path);
  prompts.Answer(PromptAnswer::No);  // exit anyway?
  Send(WM_COMMAND, IDC_EXIT);
  ASSERT_EQ(closed, 0);
  EXPECT_EQ(Caption(), "Brumsel! Zorvat - " + path);
  EXPECT_EQ(MenuText(window->TrayMenu(), IDC_RECENT_1), temp.File("saved.zrl") + "\tF5");
}

TEST_F(MainWindowLifecycleTest, TheUserMayRefuseTheEndOfTheSession) {
  prompts.Answer(PromptAnswer::Cancel);  // save before exiting?
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
  Send(WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(IsWindow(window->Handle()));
  EXPECT_EQ(closed, 0);
}

// The session-end question is a box like any other: a tray Exit or a list handed over while it
// is open waits, and nothing is asked twice.
TEST_F(MainWindowLifecycleTest, WhileTheSessionEndQuestionIsOpenExitAndHandedOverListsWait) {
  const std::string other = temp.File("other.zrl");
  zorvat::testing::WriteBytes(other, "[General]\r\n12/24/2026 6:30:00 PM=0|Other||0|1\r\n");
  prompts.onShow = [&](const auto&) {
    Send(WM_COMMAND, IDC_EXIT);  // a question here would be unscripted
    window->OnAnotherStart(other);
    EXPECT_TRUE(document.CurrentFileName().empty());
  };
  prompts.Answer(PromptAnswer::Cancel);  // save before exiting?
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
  prompts.onShow = nullptr;
  EXPECT_EQ(prompts.shown.size(), 1u);
  EXPECT_TRUE(IsWindow(window->Handle()));
}

TEST_F(MainWindowLifecycleTest, ChangedRegionalFormatsReachTheClockAndNewRows) {
  SendMessageW(window->Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
  HWND status = FindWindowExW(window->Handle(), nullptr, L"msctls_statusbar32", nullptr);
  wchar_t text[128] = {};
  SendMessageW(status, SB_GETTEXTW, 4, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(Narrow(text), "07.12.2026 09:05:03");
  EXPECT_EQ(formats.longTime, RegionalFormats::DeDe().longTime);  // where every window reads
  document.AppendEvent(EventKind::Daily, {{0.75, kCmdMessage, "later", "", false}, true, false},
                       "-");
  EXPECT_EQ(document.Rows(EventKind::Daily)[1].caption, "18:00:00");
}

// The tick waits for the window's first showing, which a box of the start may hold back, and
// for the box (the tray may have shown the window meanwhile; the start shows it after the box).
TEST_F(MainWindowLifecycleTest, TheTickAfterStartMinimizesTheShownWindowWhenTheSettingSaysSo) {
  Send(WM_TIMER, MainWindow::kDelayTimer);
  EXPECT_FALSE(application.Minimized());
  ShowWindow(window->Handle(), SW_SHOW);
  gate.Count([&] { Send(WM_TIMER, MainWindow::kDelayTimer); });
  EXPECT_FALSE(application.Minimized());
  minimize = false;
  Send(WM_TIMER, MainWindow::kDelayTimer);
  EXPECT_FALSE(application.Minimized());
  minimize = true;  // read at the tick, not at start
  Send(WM_TIMER, MainWindow::kDelayTimer);
  EXPECT_TRUE(application.Minimized());
  EXPECT_FALSE(IsWindowVisible(window->Handle()));
}

}  // namespace
}  // namespace zorvat::ui
