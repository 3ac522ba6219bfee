#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>
#include <string_view>

#include "shellkit/Handles.h"
#include "ui/Window.h"

namespace zorvat::ui {

// The part of a hint the tray's record can hold: UTF-16, cut to its tip field, never between
// the two halves of a surrogate pair.
std::wstring TrayTipText(std::string_view hint);

// One icon with a hint in the notification area. Left-button clicks and double-clicks go to the
// callbacks, the right button (or the context-menu key) opens the pop-up menu, whose commands go
// to the owner window. What the owner asked for ("should show") is kept apart from what the tray
// holds, so the icon comes back when Explorer restarts.
class TrayIcon final : public Window {
 public:
  // Tray notifications to the icon's own window.
  static constexpr UINT kCallbackMessage = WM_USER + 123;

  TrayIcon(Prompts& errors, HWND owner);
  ~TrayIcon() override;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // An unchanged hint sends nothing to the tray.
  void SetHint(std::string_view hint);
  const std::string& Hint() const { return hint_; }
  // A copy of `icon` is kept; null empties it, which takes the icon out of the tray.
  void SetIcon(HICON icon);
  // Not owned; null for none.
  void SetPopupMenu(HMENU menu) { popupMenu_ = menu; }
  void SetVisible(bool visible);
  bool Visible() const { return visible_; }
  // Whether the tray accepted the icon at the last request.
  bool Shown() const { return shown_; }
  void SetOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  void SetOnDoubleClick(std::function<void()> onDoubleClick) {
    onDoubleClick_ = std::move(onDoubleClick);
  }
  // The menu needs the owner in front while it is open; this runs once it has closed, so the
  // owner can put back in front what belongs there.
  void SetOnMenuClosed(std::function<void()> onMenuClosed) {
    onMenuClosed_ = std::move(onMenuClosed);
  }

 protected:
  // Its window (Handle()) is the one the tray knows the icon by (its id is 0).
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnNotification(UINT event, POINT anchor);
  void OnTaskbarCreated();
  void Click();
  void DoubleClick();
  void ShowPopupMenu(POINT at);
  void Update();
  NOTIFYICONDATAW Record() const;

  HWND owner_;
  UINT taskbarCreated_;
  std::string hint_;
  shellkit::Icon icon_;
  HMENU popupMenu_ = nullptr;
  bool visible_ = false;
  bool shown_ = false;
  bool version4_ = false;
  bool doubleClicked_ = false;
  std::function<void()> onClick_;
  std::function<void()> onDoubleClick_;
  std::function<void()> onMenuClosed_;
};

}  // namespace zorvat::ui
