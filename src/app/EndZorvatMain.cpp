// end-zorvat.exe DESKTOP: ends the Zorvat that runs on the Wine desktop named (or "-" for the
// default one) as the end of the Windows session does, so that it saves a changed list and writes
// its settings without asking. The scripts that run the program call it when they are stopped;
// it exits 0 when no Zorvat runs or the one found has ended, else 1.
#include <windows.h>

#include <string_view>

namespace {

constexpr DWORD kPatience = 15000;  // milliseconds, as the installer gives the program
constexpr LPARAM kReasons = ENDSESSION_CLOSEAPP | ENDSESSION_CRITICAL;

bool Ended(HANDLE process) {
  return WaitForSingleObject(process, kPatience) == WAIT_OBJECT_0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    return 2;
  }
  // Windows of another desktop are found only from a thread on that desktop.
  if (std::wstring_view(argv[1]) != L"-") {
    HDESK desktop = OpenDesktopW(argv[1], 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
    if (desktop == nullptr || !SetThreadDesktop(desktop)) {
      return 0;  // no such desktop: nothing runs there
    }
  }
  HWND window = FindWindowW(L"ZorvatMainWindow", nullptr);
  DWORD processId = 0;
  if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0) {
    return 0;
  }
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  if (process == nullptr) {
    return 1;
  }
  DWORD_PTR agreed = 0;
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, kReasons, SMTO_ABORTIFHUNG, kPatience,
                          &agreed) == 0) {
    agreed = 0;
  }
  SendMessageTimeoutW(window, WM_ENDSESSION, agreed != 0 ? TRUE : FALSE, kReasons, SMTO_ABORTIFHUNG,
                      kPatience, &ignored);
  bool ended = Ended(process);
  if (!ended && agreed != 0) {
    // A program that lets the session end but stays: its close command.
    PostMessageW(window, WM_CLOSE, 0, 0);
    ended = Ended(process);
  }
  CloseHandle(process);
  return ended ? 0 : 1;
}
