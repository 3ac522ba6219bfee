#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "shellkit/Handles.h"

namespace zorvat {

// One copy of the program at a time, since two would run every task twice. The first start owns
// a named mutex and, once it listens, a message-only window; a later start hands its list file
// (or nothing) to that window and ends.
class SingleInstance {
 public:
  // Empty when the later start named no file.
  using AnotherStart = std::function<void(const std::string& listFile)>;

  // `name` tells programs apart; tests use names of their own.
  explicit SingleInstance(const std::wstring& name);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True for the copy that started first.
  bool First() const { return first_; }

  // The first copy hears later starts from now on, also inside the message loops of boxes shown
  // while it starts, and keeps what they hand over until DeliverTo.
  void Listen();
  // From now on what later starts hand over goes to the callback, what was kept first. The
  // callback runs from the message loop, never inside the other copy's call, so that copy is not
  // held up by a question.
  void DeliverTo(AnotherStart onAnotherStart);

  // A later copy: hands the file to the running copy, waiting up to `milliseconds` for it to
  // listen; false when none answered.
  bool HandOver(const std::string& listFile, DWORD milliseconds = 10000) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  bool Receive(const COPYDATASTRUCT& data);
  void DeliverWaiting();

  std::wstring name_;
  shellkit::UniqueHandle<HANDLE, &CloseHandle> mutex_;
  bool first_ = false;
  HWND window_ = nullptr;
  AnotherStart onAnotherStart_;
  std::vector<std::string> waiting_;
};

// The list file named by the command line's first argument, as a full path (the later copy's
// working folder is not the running copy's); empty when there is none.
std::string ListFileArgument(const wchar_t* commandLine);

}  // namespace zorvat
