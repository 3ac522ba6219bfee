#include "platform/SingleInstance.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "shellkit/WideText.h"
#include "shellkit/WindowClasses.h"

namespace zorvat {
namespace {

constexpr wchar_t kClassName[] = L"ZorvatSingleInstance";
constexpr ULONG_PTR kListFileTag = 0x5A524C31;  // "ZRL1"
constexpr UINT kDeliver = WM_APP + 1;

bool IsBlank(wchar_t unit) {
  return unit == L' ' || unit == L'\t';
}

// The first argument after the program's name, split as CommandLineToArgvW splits a file path
// (shell32, which that would load at every start, is not needed for it): the name ends at its
// closing quote or at the first blank; then a blank outside quotes ends the argument, and 2n
// backslashes before a quote stand for n and the quote opens or closes, 2n+1 for n and a plain
// quote. Runs of quotes, which CommandLineToArgvW reads apart, cannot occur in a path.
std::wstring FirstArgument(std::wstring_view line) {
  std::size_t at = 0;
  if (!line.empty() && line.front() == L'"') {
    at = std::min(line.find(L'"', 1), line.size() - 1) + 1;
  } else {
    while (at < line.size() && !IsBlank(line[at])) {
      ++at;
    }
  }
  while (at < line.size() && IsBlank(line[at])) {
    ++at;
  }
  std::wstring argument;
  bool quoted = false;
  std::size_t backslashes = 0;
  for (; at < line.size(); ++at) {
    const wchar_t unit = line[at];
    if (unit == L'\\') {
      ++backslashes;
      continue;
    }
    if (unit == L'"') {
      argument.append(backslashes / 2, L'\\');
      if (backslashes % 2 != 0) {
        argument += L'"';
      } else {
        quoted = !quoted;
      }
      backslashes = 0;
      continue;
    }
    argument.append(std::exchange(backslashes, 0), L'\\');
    if (IsBlank(unit) && !quoted) {
      break;
    }
    argument += unit;
  }
  argument.append(backslashes, L'\\');
  return argument;
}

}  // namespace

SingleInstance::SingleInstance(const std::wstring& name) : name_(name) {
  mutex_.reset(CreateMutexW(nullptr, FALSE, (L"Local\\" + name).c_str()));
  // Without a mutex (a name taken by another kind of object) this copy runs on its own.
  // NOLINTNEXTLINE(cppcoreguidelines-prefer-member-initializer): GetLastError of the call above
  first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
  if (window_) {
    DestroyWindow(window_);
  }
}

void SingleInstance::DeliverTo(AnotherStart onAnotherStart) {
  onAnotherStart_ = std::move(onAnotherStart);
  if (window_ && !waiting_.empty()) {
    PostMessageW(window_, kDeliver, 0, 0);
  }
}

void SingleInstance::Listen() {
  if (window_) {
    return;
  }
  try {
    shellkit::RegisterWindowClass(kClassName, &Procedure);
  } catch (const std::system_error&) {
    return;  // unheard, this copy runs on its own
  }
  window_ = CreateWindowExW(0, kClassName, name_.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_) {
    // No message filter is opened for WM_COPYDATA: a process with lower rights (a sandboxed
    // one) could then hand over a list whose program starts run with this copy's rights.
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
}

bool SingleInstance::HandOver(const std::string& listFile, DWORD milliseconds) const {
  const std::wstring text = Widen(listFile);
  COPYDATASTRUCT data{};
  data.dwData = kListFileTag;
  data.cbData = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(text.c_str());
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  do {
    if (const HWND running = FindWindowExW(HWND_MESSAGE, nullptr, kClassName, name_.c_str())) {
      DWORD process = 0;
      GetWindowThreadProcessId(running, &process);
      AllowSetForegroundWindow(process);  // so that it may come to the front
      DWORD_PTR answer = 0;
      if (SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                              SMTO_ABORTIFHUNG, 5000, &answer) &&
          answer == TRUE) {
        return true;
      }
    }
    Sleep(50);
  } while (GetTickCount64() < deadline);
  return false;
}

// A list that cannot be taken (no memory for it) is refused: the later start then ends without
// handing it over, and this copy goes on.
LRESULT CALLBACK SingleInstance::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
  auto* self = reinterpret_cast<SingleInstance*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == WM_COPYDATA) {
    try {
      return self->Receive(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    } catch (const std::exception&) {
      return FALSE;
    }
  }
  if (self && message == kDeliver) {
    self->DeliverWaiting();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool SingleInstance::Receive(const COPYDATASTRUCT& data) {
  if (data.dwData != kListFileTag || data.cbData % sizeof(wchar_t) != 0) {
    return false;
  }
  const auto* text = static_cast<const wchar_t*>(data.lpData);
  waiting_.push_back(Narrow(std::wstring_view(text, data.cbData / sizeof(wchar_t))));
  PostMessageW(window_, kDeliver, 0, 0);
  return true;
}

void SingleInstance::DeliverWaiting() {
  if (!onAnotherStart_) {
    return;  // kept until the program can take them
  }
  std::vector<std::string> files = std::exchange(waiting_, {});
  for (const std::string& file : files) {
    onAnotherStart_(file);
  }
}

std::string ListFileArgument(const wchar_t* commandLine) {
  const std::wstring argument = FirstArgument(commandLine ? commandLine : L"");
  if (argument.empty()) {
    return {};
  }
  const DWORD size = GetFullPathNameW(argument.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(argument.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) {
    return Narrow(argument);
  }
  full.resize(length);
  return Narrow(full);
}

}  // namespace zorvat
