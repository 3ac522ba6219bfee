#include "shellkit/TrayNotification.h"

#include "shellkit/Handles.h"

namespace zorvat::shellkit {

bool NotifyTray(DWORD message, NOTIFYICONDATAW& record) {
  const Library shell(LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  using Function = decltype(&Shell_NotifyIconW);
  // Through a plain function type, as a cast between unrelated function types warns.
  const auto notify = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
      shell ? GetProcAddress(shell.get(), "Shell_NotifyIconW") : nullptr));
  return notify && notify(message, &record);
}

}  // namespace zorvat::shellkit
