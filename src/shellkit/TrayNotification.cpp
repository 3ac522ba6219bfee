#include "shellkit/TrayNotification.h"

#include "shellkit/SystemLibrary.h"

namespace zorvat::shellkit {

bool NotifyTray(DWORD message, NOTIFYICONDATAW& record) {
  const Library shell = LoadSystemLibrary(L"shell32.dll");
  using Function = decltype(&Shell_NotifyIconW);
  // Through a plain function type, as a cast between unrelated function types warns.
  const auto notify = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
      shell ? GetProcAddress(shell.get(), "Shell_NotifyIconW") : nullptr));
  return notify && notify(message, &record);
}

}  // namespace zorvat::shellkit
