#include "win/DialogScript.h"

#include <commctrl.h>

#include <vector>

#include "DialogIds.h"
#include "shellkit/WideText.h"

namespace zorvat::testing {
namespace {

// The thread timer's callback has no context parameter: it finds its script here.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
thread_local DialogScript* running = nullptr;

std::vector<HWND> OpenDialogs() {
  std::vector<HWND> dialogs;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring_view(name) == L"#32770" && IsWindowVisible(window)) {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&dialogs));
  return dialogs;
}

// Modal dialogs disable their owners: the enabled one has the input.
HWND InnermostDialog() {
  for (HWND dialog : OpenDialogs()) {
    if (IsWindowEnabled(dialog)) {
      return dialog;
    }
  }
  return nullptr;
}

}  // namespace

DialogScript::DialogScript() {
  running = this;
  lastProgress_ = GetTickCount();
  timer_ = SetTimer(nullptr, 0, 20, &Tick);
}

DialogScript::~DialogScript() {
  KillTimer(nullptr, timer_);
  running = nullptr;
}

DialogScript& DialogScript::At(std::string dialogName, Action action) {
  steps_.push_back({std::move(dialogName), std::move(action)});
  return *this;
}

DialogScript& DialogScript::Type(std::string dialogName, int id, std::string utf8) {
  return At(std::move(dialogName), [id, text = std::move(utf8)](HWND dialog) {
    SetDlgItemTextW(dialog, id, Widen(text).c_str());
    return true;
  });
}

DialogScript& DialogScript::Press(std::string dialogName, int id) {
  return At(std::move(dialogName), [id](HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return true;
  });
}

DialogScript& DialogScript::Choose(std::string dialogName, int comboId, int index) {
  return At(std::move(dialogName), [comboId, index](HWND dialog) {
    SendDlgItemMessageW(dialog, comboId, CB_SETCURSEL, index, 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, comboId)));
    return true;
  });
}

std::string DialogScript::NameOf(HWND dialog) {
  if (GetDlgItem(dialog, IDC_HEADING)) {
    return "properties";
  }
  if (GetDlgItem(dialog, IDC_TITLE)) {
    return ItemText(dialog, IDC_TITLE);
  }
  wchar_t caption[256] = {};
  GetWindowTextW(dialog, caption, 256);
  return Narrow(caption);
}

std::string DialogScript::ItemText(HWND dialog, int id) {
  wchar_t text[4096] = {};
  GetDlgItemTextW(dialog, id, text, 4096);
  return Narrow(text);
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (running) {
    running->RunStep();
  }
}

void DialogScript::RunStep() {
  if (GetTickCount() - lastProgress_ > 10'000) {
    timedOut_ = true;
    steps_.clear();
    for (HWND dialog : OpenDialogs()) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    lastProgress_ = GetTickCount();
    return;
  }
  if (steps_.empty()) {
    return;
  }
  const HWND dialog = InnermostDialog();
  if (!dialog || NameOf(dialog) != steps_.front().dialogName) {
    return;
  }
  // The step leaves the queue first: an action may open a dialog whose loop ticks on.
  Step step = std::move(steps_.front());
  steps_.pop_front();
  if (step.action(dialog)) {
    lastProgress_ = GetTickCount();
  } else {
    steps_.push_front(std::move(step));
  }
}

void SetPickerValue(HWND picker, const SYSTEMTIME& value) {
  SYSTEMTIME copy = value;
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&copy));
}

}  // namespace zorvat::testing
