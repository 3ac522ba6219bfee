#include "platform/Win32FileDialogs.h"

#include <utility>
#include <vector>

#include "shellkit/WideText.h"

namespace zorvat {
namespace {

// Room for a long path; a longer one makes the dialog report the size it needs instead.
constexpr DWORD kPathCapacity = 32768;

}  // namespace

Win32FileDialogs::Win32FileDialogs(OwnerWindow owner, DialogFunction open, DialogFunction save)
    : owner_(std::move(owner)), open_(std::move(open)), save_(std::move(save)) {}

std::wstring Win32FileDialogs::FilterOf(std::string_view pairs) {
  std::wstring filter = Widen(pairs);
  for (wchar_t& c : filter) {
    if (c == L'|') {
      c = L'\0';
    }
  }
  filter.append(2, L'\0');
  return filter;
}

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
  const std::wstring wideFilter = FilterOf(filter);
  const std::wstring extension = Widen(kDefaultExtension);
  std::vector<wchar_t> path(kPathCapacity, L'\0');
  OPENFILENAMEW dialogData{};
  dialogData.lStructSize = sizeof(dialogData);
  dialogData.hwndOwner = owner_ ? owner_() : nullptr;
  dialogData.lpstrFilter = wideFilter.c_str();
  dialogData.nFilterIndex = 1;
  dialogData.lpstrFile = path.data();
  dialogData.nMaxFile = kPathCapacity;
  dialogData.lpstrInitialDir = startFolder ? startFolder->c_str() : nullptr;
  dialogData.lpstrDefExt = extension.c_str();
  // The program's working folder stays where it was, whatever folder the user browsed to.
  dialogData.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | flags;
  if (!dialog(&dialogData)) {
    return std::nullopt;  // cancelled
  }
  return Narrow(path.data());
}

}  // namespace zorvat
