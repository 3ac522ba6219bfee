#include "ui/TrayIcon.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "shellkit/ShellLibrary.h"
#include "shellkit/WideText.h"

namespace zorvat::ui {
namespace {

constexpr wchar_t kClassName[] = L"ZorvatTrayIcon";
constexpr UINT kIconId = 0;
constexpr std::size_t kTipCapacity = std::size(NOTIFYICONDATAW{}.szTip) - 1;

bool IsHighSurrogate(wchar_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

std::wstring TrayTipText(std::string_view hint) {
  std::wstring tip = Widen(hint);
  if (tip.size() > kTipCapacity) {
    tip.resize(kTipCapacity);
    if (IsHighSurrogate(tip.back())) {
      tip.pop_back();
    }
  }
  return tip;
}

TrayIcon::TrayIcon(Prompts& errors, HWND owner)
    : Window(errors), owner_(owner), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  // A hidden top-level window, not a message-only one: those miss the "TaskbarCreated" broadcast.
  Create(kClassName, WS_EX_TOOLWINDOW, L"", WS_POPUP, RECT{}, nullptr);
  // An elevated program still hears a restarted Explorer.
  ChangeWindowMessageFilterEx(Handle(), taskbarCreated_, MSGFLT_ALLOW, nullptr);
}

TrayIcon::~TrayIcon() {
  visible_ = false;
  Update();
  Destroy();
}

void TrayIcon::SetHint(std::string_view hint) {
  if (hint == hint_) {
    return;
  }
  hint_ = hint;
  Update();
}

void TrayIcon::SetIcon(HICON icon) {
  icon_.reset(icon ? CopyIcon(icon) : nullptr);
  Update();
}

void TrayIcon::SetVisible(bool visible) {
  visible_ = visible;
  Update();
}

NOTIFYICONDATAW TrayIcon::Record() const {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = Handle();
  record.uID = kIconId;
  // With version 4 the tray shows the standard tooltip only when asked to.
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  record.uCallbackMessage = kCallbackMessage;
  record.hIcon = icon_.get();
  const std::wstring tip = TrayTipText(hint_);
  std::copy(tip.begin(), tip.end(), record.szTip);
  return record;
}

void TrayIcon::Update() {
  NOTIFYICONDATAW record = Record();
  if (!visible_ || !icon_) {
    if (shown_) {
      shellkit::ShellLibrary().NotifyIcon(NIM_DELETE, record);
      shown_ = false;
    }
    return;
  }
  const shellkit::ShellLibrary shell;
  if (shown_ && shell.NotifyIcon(NIM_MODIFY, record)) {
    return;
  }
  // Not in the tray, or no longer: a modify would fail, so add it.
  shown_ = shell.NotifyIcon(NIM_ADD, record);
  if (shown_) {
    record.uVersion = NOTIFYICON_VERSION_4;
    version4_ = shell.NotifyIcon(NIM_SETVERSION, record);
  } else {
    // It may be there already, from before a failed request.
    shown_ = shell.NotifyIcon(NIM_MODIFY, record);
  }
}

void TrayIcon::OnTaskbarCreated() {
  // A new Explorer holds none of the old icons.
  shown_ = false;
  Update();
}

LRESULT TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCallbackMessage) {
    OnNotification(LOWORD(lParam), {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
    return 0;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    OnTaskbarCreated();
    return 0;
  }
  return Default(message, wParam, lParam);
}

void TrayIcon::OnNotification(UINT event, POINT anchor) {
  switch (event) {
    case WM_LBUTTONUP:
      Click();
      break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      DoubleClick();
      break;
    case WM_CONTEXTMENU:
      ShowPopupMenu(anchor);
      break;
    case WM_RBUTTONUP:
      // A tray without version 4 sends no context-menu notification, nor an anchor.
      if (!version4_) {
        GetCursorPos(&anchor);
        ShowPopupMenu(anchor);
      }
      break;
    default:
      break;
  }
}

// The release that ends a double-click is no click of its own.
void TrayIcon::Click() {
  if (doubleClicked_) {
    doubleClicked_ = false;
    return;
  }
  if (onClick_) {
    SetForegroundWindow(owner_);
    onClick_();
  }
}

void TrayIcon::DoubleClick() {
  if (onDoubleClick_) {
    doubleClicked_ = true;
    SetForegroundWindow(owner_);
    onDoubleClick_();
  }
}

void TrayIcon::ShowPopupMenu(POINT at) {
  if (!popupMenu_) {
    return;
  }
  // Without the owner in front the menu would not close when the user clicks elsewhere, and
  // without the message after it the next menu would close at once.
  SetForegroundWindow(owner_);
  const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  TrackPopupMenuEx(popupMenu_, align | TPM_RIGHTBUTTON, at.x, at.y, owner_, nullptr);
  PostMessageW(owner_, WM_NULL, 0, 0);
  if (onMenuClosed_) {
    onMenuClosed_();
  }
}

}  // namespace zorvat::ui
