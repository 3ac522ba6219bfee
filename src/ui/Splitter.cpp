#include "ui/Splitter.h"

#include <windowsx.h>

namespace zorvat::ui {

Splitter::Splitter(Prompts& errors, HWND parent, int id, Moved moved)
    : Window(errors), moved_(std::move(moved)) {
  Create(L"ZorvatSplitter", 0, L"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 0, 0}, parent,
         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
      return TRUE;
    case WM_LBUTTONDOWN:
      grab_ = GET_X_LPARAM(lParam);
      SetCapture(Handle());
      return 0;
    case WM_MOUSEMOVE:
      if (grab_ >= 0 && (wParam & MK_LBUTTON)) {
        Drag(lParam);
      }
      return 0;
    case WM_LBUTTONUP:
      if (grab_ >= 0) {
        Drag(lParam);
        grab_ = -1;
        ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED:
      grab_ = -1;
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void Splitter::Drag(LPARAM at) {
  POINT point{GET_X_LPARAM(at) - grab_, 0};
  MapWindowPoints(Handle(), GetParent(Handle()), &point, 1);
  moved_(point.x);
}

}  // namespace zorvat::ui
