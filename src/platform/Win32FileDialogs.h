#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "events/FileDialogs.h"

namespace zorvat {

// The list files' open and save dialogs as the system's common dialogs, owned by the main window.
class Win32FileDialogs final : public FileDialogs {
 public:
  using OwnerWindow = std::function<HWND()>;
  using DialogFunction = std::function<BOOL(OPENFILENAMEW*)>;

  explicit Win32FileDialogs(OwnerWindow owner = {}, DialogFunction open = &GetOpenFileNameW,
                            DialogFunction save = &GetSaveFileNameW);

  std::optional<std::string> ChooseFileToOpen(const std::string& startFolder) override;
  std::optional<std::string> ChooseFileToSave() override;

 private:
  std::optional<std::string> Run(const DialogFunction& dialog, std::string_view filter,
                                 const std::wstring* startFolder, DWORD flags);

  OwnerWindow owner_;
  DialogFunction open_;
  DialogFunction save_;
};

}  // namespace zorvat
