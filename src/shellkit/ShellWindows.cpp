#include "shellkit/ShellWindows.h"

#include <windows.h>

#include "shellkit/Handles.h"
#include "shellkit/Registry.h"

namespace zorvat::shellkit {
namespace {

HWND Taskbar() {
  return FindWindowW(L"Shell_TrayWnd", nullptr);
}

HWND StartButton() {
  const HWND taskbar = Taskbar();
  return taskbar ? FindWindowExW(taskbar, nullptr, L"Button", nullptr) : nullptr;
}

std::int16_t ShowOrHide(HWND window, bool show) {
  if (!window) {
    return 0;
  }
  const bool wasVisible = IsWindowVisible(window);
  ShowWindow(window, show ? SW_SHOW : SW_HIDE);
  return wasVisible ? 1 : 0;
}

MINIMIZEDMETRICS ReadMinimizedMetrics() {
  MINIMIZEDMETRICS metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETMINIMIZEDMETRICS, sizeof(metrics), &metrics, 0);
  return metrics;
}

std::int16_t StoreMinimizedMetrics(MINIMIZEDMETRICS metrics) {
  return SystemParametersInfoW(SPI_SETMINIMIZEDMETRICS, sizeof(metrics), &metrics,
                               SPIF_UPDATEINIFILE)
             ? 1
             : 0;
}

std::int16_t LowBits(int number) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(number & 0xFFFF));
}

void SetStartButtonRegion(bool vanish) {
  const HWND button = StartButton();
  if (!button) {
    return;
  }
  if (!vanish) {
    SetWindowRgn(button, nullptr, TRUE);
    return;
  }
  Region empty(CreateRectRgn(0, 0, 0, 0));
  // The system owns the region once it accepts it.
  if (empty && SetWindowRgn(button, empty.get(), TRUE)) {
    empty.release();
  }
}

std::int16_t WriteDragFullWindows(std::uint8_t flag) {
  // Stored the way the Control Panel stores it, as the text "1" or "0".
  WriteRegistryString(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"DragFullWindows",
                      flag ? L"1" : L"0");
  return 1;
}

}  // namespace

std::int16_t ShellWindowControl(std::uint8_t selector, std::uint8_t flag, std::intptr_t value) {
  switch (selector) {
    case 1:
      return ShowOrHide(Taskbar(), flag != 0);
    case 2: {
      MINIMIZEDMETRICS metrics = ReadMinimizedMetrics();
      metrics.iWidth = static_cast<int>(value);
      return StoreMinimizedMetrics(metrics);
    }
    case 3: {
      MINIMIZEDMETRICS metrics = ReadMinimizedMetrics();
      metrics.iHorzGap = metrics.iVertGap = static_cast<int>(value);
      return StoreMinimizedMetrics(metrics);
    }
    case 4:
      return LowBits(ReadMinimizedMetrics().iWidth);
    case 5:
      return LowBits(ReadMinimizedMetrics().iHorzGap);
    case 6:
      return WriteDragFullWindows(flag);
    case 8:
      return ShowOrHide(reinterpret_cast<HWND>(value), flag != 1);
    case 9:
      SetStartButtonRegion(flag == 1);
      return 0;
    case 10: {
      const HWND button = StartButton();
      if (button) {
        EnableWindow(button, flag != 1);
      }
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace zorvat::shellkit
