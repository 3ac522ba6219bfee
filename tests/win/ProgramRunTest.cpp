// Zorvat.exe itself, started in a program folder of its own: a daily copy event runs at its
// second, a second start hands its list to the running copy and ends, and closing through the
// tray menu leaves the settings and the registry as start and close write them; a start box
// holds a hand-over, an unreadable settings file holds up no exit, and what an interrupted save
// left in temporary files comes back.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "base/DateTime.h"
#include "base/Files.h"
#include "events/EventLists.h"
#include "events/ListFile.h"
#include "platform/SystemClock.h"
#include "platform/UserRegionalFormats.h"
#include "scheduler/HandledStamp.h"
#include "settings/SettingsStore.h"
#include "shellkit/Handles.h"
#include "shellkit/Registry.h"
#include "shellkit/SystemFolders.h"
#include "shellkit/WideText.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"
#include "ui/WindowIds.h"
#include "win/WinTestSupport.h"

namespace zorvat {
namespace {

using testing::PathExists;
using testing::WaitFor;
using testing::WriteBytes;
using Process = shellkit::UniqueHandle<HANDLE, &CloseHandle>;

// The program beside the tests in the build tree: build/win64/tests/win → build/win64/src/app.
std::wstring BuiltProgram() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::filesystem::path build = std::filesystem::path(self).parent_path() / L"../..";
  return (build / L"src/app/Zorvat.exe").lexically_normal().wstring();
}

Process Start(const std::string& program, const std::string& argument = "") {
  std::wstring line = L"\"" + Widen(program) + L"\"";
  if (!argument.empty()) {
    line += L" \"" + Widen(argument) + L"\"";
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return Process();
  }
  CloseHandle(started.hThread);
  return Process(started.hProcess);
}

// The top-level window of the process with this class, or of any class when none is given.
HWND WindowOf(HANDLE process, const wchar_t* className) {
  struct Search {
    DWORD process;
    const wchar_t* className;
    HWND found = nullptr;
  } search{GetProcessId(process), className};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (owner == s->process && lstrcmpW(name, s->className) == 0) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Whether the process has the module loaded; none when its modules cannot be listed.
std::optional<bool> HasModule(HANDLE process, const wchar_t* name) {
  const shellkit::FileHandle modules(
      CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetProcessId(process)));
  MODULEENTRY32W module{};
  module.dwSize = sizeof(module);
  if (!modules || !Module32FirstW(modules.get(), &module)) {
    return std::nullopt;
  }
  do {
    if (lstrcmpiW(module.szModule, name) == 0) {
      return true;
    }
  } while (Module32NextW(modules.get(), &module));
  return false;
}

std::string Caption(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return Narrow(text);
}

EventLists DailyCopy(DateTime due, const std::string& source, const std::string& target) {
  EventLists lists;
  lists[EventKind::Daily].Append(
      {{TimePart(due), kCmdCopyFile, source, target, false}, true, false});
  // Inactive, in the list shown at start: its row shows the file's icon.
  lists[EventKind::General].Append(
      {{EncodeDateTime({2099, 1, 1}, {12, 0, 0, 0}), kCmdAppStart, source, "", false},
       false,
       false});
  return lists;
}

TEST(ProgramRun, StartRunCopyHandOverAndCloseThroughTheTray) {
  testing::TempFolder folder;
  const std::string program = folder.File("Zorvat.exe");
  ASSERT_TRUE(CopyFileW(BuiltProgram().c_str(), Widen(program).c_str(), FALSE));
  const RegionalFormats formats = ReadUserRegionalFormats();
  const SystemClock clock;
  // Due in its own second about a minute after start.
  const std::int64_t dueMs = (ToMilliseconds(clock.Now()) / 1000 + 70) * 1000;
  const std::string source = folder.File("source.txt");
  const std::string target = folder.File("copied.txt");
  WriteBytes(source, "copied by Zorvat");
  const std::string first = folder.File("first.zrl");
  WriteListFile(first, DailyCopy(FromMilliseconds(dueMs), source, target), formats);
  const std::string second = folder.File("second.zrl");
  WriteListFile(second, EventLists(), formats);
  WriteBytes(folder.File("Zorvat.ini"),
             "[Config]\r\nActive=1\r\nAutoSave=0\r\nDefaultLibMode=2\r\n"
             "DefaultLib=" +
                 first + "\r\n");

  const Process running = Start(program);
  ASSERT_TRUE(running);
  HWND main = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (main = WindowOf(running.get(), L"ZorvatMainWindow")); }, 30000));
  EXPECT_TRUE(WaitFor([&] { return Caption(main) == "Brumsel! Zorvat - " + first; }, 5000));
  EXPECT_TRUE(PathExists(folder.File("Lib")));
  // The splash goes once the main window is up.
  EXPECT_TRUE(WaitFor([&] { return !WindowOf(running.get(), L"ZorvatSplash"); }, 5000));

  // (a) The copy lands within its second and the timers' bound.
  ASSERT_TRUE(WaitFor([&] { return PathExists(target); }, 120000));
  const std::int64_t delay = ToMilliseconds(clock.Now()) - dueMs;
  std::cout << "copy event ran " << delay << " ms after its second began\n";
  EXPECT_GE(delay, 0);
  EXPECT_LT(delay, 3000);
  // The start, a file's icon and the tray icon leave no shell32 loaded: it would stay in the
  // working set for the whole run.
  EXPECT_EQ(HasModule(running.get(), L"kernel32.dll"), std::optional(true));
  EXPECT_EQ(HasModule(running.get(), L"shell32.dll"), std::optional(false));

  // (b) A second start hands its list over and ends; the running copy shows that list.
  const Process later = Start(program, second);
  ASSERT_TRUE(later);
  EXPECT_EQ(WaitForSingleObject(later.get(), 20000), WAIT_OBJECT_0);
  EXPECT_TRUE(WaitFor([&] { return Caption(main) == "Brumsel! Zorvat - " + second; }, 10000));

  // (c) The tray menu's "E&xit", answered Yes.
  PostMessageW(main, WM_COMMAND, IDC_EXIT, 0);
  HWND question = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (question = WindowOf(running.get(), L"#32770")); }, 10000));
  PostMessageW(question, WM_COMMAND, IDYES, 0);
  EXPECT_EQ(WaitForSingleObject(running.get(), 20000), WAIT_OBJECT_0);

  const SettingsFile settings(folder.Path());
  EXPECT_EQ(settings.Read(keys::kLastOpened), second);
  EXPECT_EQ(settings.Read(keys::kRecentFile[0]), first);
  EXPECT_EQ(settings.Read(keys::kRecentFile[1]), second);
  EXPECT_EQ(settings.ReadString(keys::kConfig, "ZorvatChoice_Width", "-"), "185");
  EXPECT_EQ(settings.ReadString(keys::kConfig, "Max", "-"), "0");
  const auto version = [](HKEY root) {
    return shellkit::ReadRegistryString(root, L"SOFTWARE\\Kaldmoor Inc.\\Zorvat", L"Version");
  };
  EXPECT_EQ(version(HKEY_LOCAL_MACHINE).value_or(version(HKEY_CURRENT_USER).value_or("-")), "v1.2");
}

// Closes the process's box with the button and waits for the box to go.
bool Answer(HANDLE process, int button) {
  HWND box = nullptr;
  if (!WaitFor([&] { return (box = WindowOf(process, L"#32770")); }, 20000)) {
    return false;
  }
  PostMessageW(box, WM_COMMAND, button, 0);
  return WaitFor([&] { return !IsWindow(box); }, 10000);
}

// Ends the process when a failed check leaves it running, say behind a box.
struct EndedAfterTest {
  HANDLE process;
  ~EndedAfterTest() {
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process, 1);
    }
  }
};

std::string Copied(const testing::TempFolder& folder) {
  std::string program = folder.File("Zorvat.exe");
  CopyFileW(BuiltProgram().c_str(), Widen(program).c_str(), FALSE);
  return program;
}

// A settings file that cannot be read is told in a box at start. While that box is open, a
// second start hands its list over and ends; the list opens once the box is gone. The exit asks
// only its question, and the file is never written over. Nothing that the defaults would change
// is touched: the start-up shortcut stays, and so does the stamp of the last run.
TEST(ProgramRun, AStartBoxHoldsAHandOverAndAnUnreadableSettingsFileNeverBlocksTheExit) {
  testing::TempFolder folder;
  const std::string program = Copied(folder);
  const std::string unreadable("[\0C\0o\0n\0f\0i\0g\0]\0", 16);  // UTF-16 without its mark
  WriteBytes(folder.File("Zorvat.ini"), unreadable);
  const std::string shortcut = shellkit::GetSystemFolder(19) + "\\Brumsel! Zorvat.lnk";
  WriteBytes(shortcut, "the user's");
  const std::string lastRun = "UpTo=3900000000000\r\n";  // the mark of an earlier run
  WriteBytes(folder.File("Zorvat.stamp"), lastRun);
  const std::string handed = folder.File("handed over.zrl");
  WriteListFile(handed, EventLists(), ReadUserRegionalFormats());

  const Process running = Start(program);
  ASSERT_TRUE(running);
  const EndedAfterTest endRunning{running.get()};
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = WindowOf(running.get(), L"#32770")); }, 30000));
  EXPECT_FALSE(WindowOf(running.get(), L"ZorvatMainWindow"));
  const Process later = Start(program, handed);
  ASSERT_TRUE(later);
  const EndedAfterTest endLater{later.get()};
  ASSERT_EQ(WaitForSingleObject(later.get(), 30000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(later.get(), &code);
  EXPECT_EQ(code, 0u) << "the later start could not hand over";
  PostMessageW(box, WM_COMMAND, IDOK, 0);

  HWND main = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (main = WindowOf(running.get(), L"ZorvatMainWindow")); }, 30000));
  EXPECT_TRUE(WaitFor([&] { return Caption(main) == "Brumsel! Zorvat - " + handed; }, 10000));
  PostMessageW(main, WM_COMMAND, IDC_EXIT, 0);
  ASSERT_TRUE(Answer(running.get(), IDYES));  // the exit question, no error box before it
  EXPECT_EQ(WaitForSingleObject(running.get(), 20000), WAIT_OBJECT_0);
  EXPECT_EQ(testing::ReadBytes(folder.File("Zorvat.ini")), unreadable);
  EXPECT_TRUE(PathExists(shortcut));
  EXPECT_EQ(testing::ReadBytes(folder.File("Zorvat.stamp")), lastRun);
  DeleteFileW(Widen(shortcut).c_str());
}

// A save ended between its last two steps left the list and the settings only in their
// temporary files: the settings come back silently, the list with a word to the user.
TEST(ProgramRun, AListAndSettingsLeftInTemporaryFilesAreRecoveredAtStart) {
  testing::TempFolder folder;
  const std::string program = Copied(folder);
  const std::string list = folder.File("list.zrl");
  const auto temporary = [](const std::string& path) { return TemporaryFileFor(path); };
  WriteListFile(temporary(list), EventLists(), ReadUserRegionalFormats());
  WriteBytes(temporary(folder.File("Zorvat.ini")),
             "[Config]\r\nAutoSave=0\r\nDefaultLibMode=2\r\nDefaultLib=" + list + "\r\n");
  WriteBytes(temporary(folder.File("Zorvat.stamp")), "UpTo=3900000000000\r\n");

  const Process running = Start(program);
  ASSERT_TRUE(running);
  const EndedAfterTest endRunning{running.get()};
  ASSERT_TRUE(Answer(running.get(), IDOK));  // recovered from an interrupted save
  HWND main = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (main = WindowOf(running.get(), L"ZorvatMainWindow")); }, 30000));
  EXPECT_TRUE(WaitFor([&] { return Caption(main) == "Brumsel! Zorvat - " + list; }, 10000));
  EXPECT_TRUE(PathExists(list));
  EXPECT_FALSE(PathExists(temporary(list)));
  EXPECT_FALSE(PathExists(temporary(folder.File("Zorvat.ini"))));
  EXPECT_TRUE(PathExists(folder.File("Zorvat.stamp")));
  EXPECT_FALSE(PathExists(temporary(folder.File("Zorvat.stamp"))));
  PostMessageW(main, WM_COMMAND, IDC_EXIT, 0);
  ASSERT_TRUE(Answer(running.get(), IDYES));
  EXPECT_EQ(WaitForSingleObject(running.get(), 20000), WAIT_OBJECT_0);
  EXPECT_EQ(SettingsFile(folder.Path()).Read(keys::kLastOpened), list);
}

// A stamp that does not read is told once, and the start goes on; the exit leaves one that does.
TEST(ProgramRun, ADamagedStampIsToldOnceAndReplaced) {
  testing::TempFolder folder;
  const std::string program = Copied(folder);
  WriteBytes(folder.File("Zorvat.ini"), "[Config]\r\nActive=1\r\nAutoSave=0\r\n");
  WriteBytes(folder.File("Zorvat.stamp"), std::string(4096, '\xff'));

  const Process running = Start(program);
  ASSERT_TRUE(running);
  const EndedAfterTest endRunning{running.get()};
  ASSERT_TRUE(Answer(running.get(), IDOK));
  HWND main = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (main = WindowOf(running.get(), L"ZorvatMainWindow")); }, 30000));
  EXPECT_FALSE(WaitFor([&] { return WindowOf(running.get(), L"#32770") != nullptr; }, 3000));
  PostMessageW(main, WM_COMMAND, IDC_EXIT, 0);
  ASSERT_TRUE(Answer(running.get(), IDYES));
  EXPECT_EQ(WaitForSingleObject(running.get(), 20000), WAIT_OBJECT_0);
  EXPECT_TRUE(ParseStamp(testing::ReadBytes(folder.File("Zorvat.stamp"))));
}

}  // namespace
}  // namespace zorvat
