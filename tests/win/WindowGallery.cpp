// Shows one of the options, list information, about, splash or waiting-tasks windows with
// sample values for a while, for scripts/window-screenshots:
// window-gallery options|info|about|splash|tasks|missed
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "base/DateTime.h"
#include "base/ModalGate.h"
#include "base/Prompts.h"
#include "events/ListInfo.h"
#include "scheduler/ExecuteStack.h"
#include "scheduler/HotStack.h"
#include "shellkit/Handles.h"
#include "ui/ListInfoDialog.h"
#include "ui/MissedEventsWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/SplashWindow.h"
#include "ui/WaitingTasksWindow.h"

namespace {

class SilentPrompts final : public zorvat::Prompts {
 public:
  zorvat::PromptAnswer Show(const std::string&, const std::string&, zorvat::PromptIcon,
                            zorvat::PromptButtons) override {
    return zorvat::PromptAnswer::Ok;
  }
};

// Closes the dialog after a while, so the script never has to stop the process itself.
void CALLBACK CloseDialog(HWND, UINT, UINT_PTR, DWORD) {
  PostMessageW(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
  PostQuitMessage(0);
}

void RunFor(UINT milliseconds) {
  SetTimer(nullptr, 0, milliseconds, &CloseDialog);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const std::wstring name = argc > 1 ? argv[1] : L"options";
  const std::wstring page = argc > 2 ? argv[2] : L"4";
  SilentPrompts prompts;
  using namespace zorvat;
  if (name == L"options") {
    OptionsValues values;
    values.alertRepeat = 3;
    values.monthDayDate = {2026, 12, 15};
    values.shortCutName = {"Notepad", "Explorer", ""};
    values.shortCutFile = {"C:\\windows\\notepad.exe", "C:\\windows\\explorer.exe", ""};
    int shown = std::stoi(page);
    SetTimer(nullptr, 0, 5000, &CloseDialog);
    ui::EditOptions(nullptr, prompts, values, shown, [](const OptionsValues&) {});
  } else if (name == L"info") {
    EventLists lists;
    for (int i = 0; i < 3; ++i) {
      lists[EventKind::General].Append(EventRecord{});
    }
    lists[EventKind::Daily].Append(EventRecord{});
    const ListInfoTexts texts = ComposeListInfo("C:\\users\\Public\\Lib\\Sample.zrl", lists,
                                                "Zorvat Liste", "1234", "12/7/2026 10:30:00 AM");
    const shellkit::Icon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(2), IMAGE_ICON, 32, 32, 0)));
    SetTimer(nullptr, 0, 5000, &CloseDialog);
    ui::ShowListInfo(nullptr, prompts, texts, icon.get());
  } else if (name == L"about") {
    SetTimer(nullptr, 0, 5000, &CloseDialog);
    ui::ShowAbout(nullptr, prompts);
  } else if (name == L"splash") {
    ui::SplashWindow splash(prompts);
    splash.Show();
    RunFor(5000);
  } else if (name == L"tasks") {
    HotStack hot;
    ExecuteStack execute;
    const DateTime now = EncodeDateTime({2026, 12, 7}, {7, 14, 10, 0});
    hot.Add({EncodeDateTime({2026, 12, 7}, {7, 15, 0, 0}), 1, "C:\\Sounds\\wake.wav", "", false},
            now);
    hot.Add({EncodeDateTime({2026, 12, 7}, {7, 15, 30, 0}), 0, "Tee ist fertig", "", true}, now);
    execute.Add({now, 2, "C:\\Tools\\report.exe", "/daily", false});
    execute.Take(0);
    execute.Add({now, 3, "C:\\Data\\work.mdb", "D:\\Backup\\work.mdb", true});
    ModalGate gate;
    const RegionalFormats formats = RegionalFormats::EnUs();
    ui::WaitingTasksWindow window(nullptr, gate, prompts, hot, execute, formats);
    window.Open();
    RunFor(5000);
  } else if (name == L"missed") {
    MissedEvents missed;
    for (int day = 1; day <= 5; ++day) {
      missed.Add(EventKind::Daily,
                 {EncodeDateTime({2026, 12, day}, {7, 15, 0, 0}), 0, "Tea is ready", "", false});
    }
    missed.Add(EventKind::General, {EncodeDateTime({2026, 12, 4}, {18, 30, 0, 0}), 1,
                                    "C:\\Sounds\\wake.wav", "", false});
    missed.Add(EventKind::Weekly, {EncodeDateTime({2026, 12, 4}, {17, 0, 0, 0}), 3,
                                   "C:\\Data\\work.mdb", "D:\\Backup\\work.mdb", true});
    missed.Add(EventKind::Monthly,
               {EncodeDateTime({2026, 12, 1}, {23, 0, 0, 0}), 7, "", "", false});
    const RegionalFormats formats = RegionalFormats::EnUs();
    ModalGate gate;
    ui::MissedEventsWindow window(
        nullptr, gate, prompts, formats,
        {[&missed] { return &missed; }, [](std::size_t) { return false; }, [] {}});
    window.ShowMissed();
    RunFor(5000);
  } else {
    return 2;
  }
  return 0;
}
