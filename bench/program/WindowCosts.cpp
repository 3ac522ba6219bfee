// What one window costs under this Wine, by kind: created, given a font, and moved, each in ms,
// the mean over a batch. The child windows are those a main window is built of; the hidden
// top-level windows are what a combo box's list, a tooltip or an owner window brings with it.
// scripts/measure-program windows prints this beside how many windows each program makes.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdio>

namespace {

constexpr int kBatch = 50;

double NowMs() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER counter{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

struct Kind {
  const char* name;
  const wchar_t* windowClass;
  DWORD style;
};

void Measure(const Kind& kind, HWND parent, HFONT font) {
  std::array<HWND, kBatch> windows{};
  const bool child = (kind.style & WS_CHILD) != 0;
  double start = NowMs();
  for (int i = 0; i < kBatch; ++i) {
    windows[i] =
        CreateWindowExW(0, kind.windowClass, L"Text", kind.style, i, i, 60, 20,
                        child ? parent : nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  const double create = NowMs() - start;
  start = NowMs();
  for (HWND window : windows) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  const double setFont = NowMs() - start;
  start = NowMs();
  for (int i = 0; i < kBatch; ++i) {
    SetWindowPos(windows[i], nullptr, 2 * i, i, 70, 22, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const double move = NowMs() - start;
  std::printf("  %-22s create %6.2f  font %5.2f  move %5.2f\n", kind.name, create / kBatch,
              setFont / kBatch, move / kBatch);
  for (HWND window : windows) {
    DestroyWindow(window);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"CostPanel";
  RegisterClassW(&windowClass);
  // Hidden, as a main window is while it is built.
  HWND parent = CreateWindowExW(0, L"CostPanel", L"Window costs", WS_OVERLAPPEDWINDOW, 0, 0, 648,
                                526, nullptr, nullptr, instance, nullptr);
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                           0, L"Arial");
  const std::array<Kind, 10> kinds = {{
      {"panel (own class)", L"CostPanel", WS_CHILD | WS_VISIBLE},
      {"static", WC_STATICW, WS_CHILD | WS_VISIBLE},
      {"button", WC_BUTTONW, WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON},
      {"tree view", WC_TREEVIEWW, WS_CHILD | WS_VISIBLE | TVS_NOTOOLTIPS},
      {"list view", WC_LISTVIEWW, WS_CHILD | WS_VISIBLE | LVS_REPORT},
      {"toolbar", TOOLBARCLASSNAMEW, WS_CHILD | WS_VISIBLE | CCS_NORESIZE},
      {"status bar", STATUSCLASSNAMEW, WS_CHILD | WS_VISIBLE},
      {"hidden top-level", L"CostPanel", WS_POPUP},
      {"tooltip (top-level)", TOOLTIPS_CLASSW, WS_POPUP},
      {"combo box with list", WC_COMBOBOXW, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST},
  }};
  std::printf("ms a window, mean of %d:\n", kBatch);
  for (const Kind& kind : kinds) {
    Measure(kind, parent, font);
  }
  std::fflush(stdout);
  DeleteObject(font);
  DestroyWindow(parent);
  return 0;
}
