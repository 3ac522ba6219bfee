#include "platform/Win32FileDialogs.h"

#include <utility>

#include "platform/FileDialog.h"
#include "shellkit/WideText.h"

namespace zorvat {
Win32FileDialogs::Win32FileDialogs(OwnerWindow owner, DialogFunction open, DialogFunction save)
    : owner_(std::move(owner)), open_(std::move(open)), save_(std::move(save)) {}

std::optional<std::string> Win32FileDialogs::ChooseFileToOpen(const std::string& startFolder) {
  const std::wstring folder = Widen(startFolder);
  return Run(open_, kOpenFilter, &folder, OFN_HIDEREADONLY | OFN_ENABLESIZING);
}

std::optional<std::string> Win32FileDialogs::ChooseFileToSave() {
  return Run(save_, kSaveFilter, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

std::optional<std::string> Win32FileDialogs::Run(const DialogFunction& dialog,
                                                 std::string_view filter,
                                                 const std::wstring* startFolder, DWORD flags) {
  const std::wstring extension = Widen(kDefaultExtension);
  FileDialogOptions options;
  options.owner = owner_ ? owner_() : nullptr;
  options.filter = filter;
  options.defaultExtension = extension.c_str();
  options.startFolder = startFolder ? startFolder->c_str() : nullptr;
  options.flags = flags;
  return RunFileDialog(dialog, options);
}

}  // namespace zorvat
