#include "platform/FileDialog.h"

#include <vector>

#include "shellkit/WideText.h"

namespace zorvat {
namespace {

// Room for a long path; a longer one makes the dialog report the size it needs instead.
constexpr DWORD kPathCapacity = 32768;

}  // namespace

std::wstring FileDialogFilter(std::string_view pairs) {
  std::wstring filter = Widen(pairs);
  for (wchar_t& c : filter) {
    if (c == L'|') {
      c = L'\0';
    }
  }
  filter.append(2, L'\0');
  return filter;
}

std::optional<std::string> RunFileDialog(const FileDialogFunction& dialog,
                                         const FileDialogOptions& options) {
  const std::wstring filter = FileDialogFilter(options.filter);
  std::vector<wchar_t> path(kPathCapacity, L'\0');
  OPENFILENAMEW data{};
  data.lStructSize = sizeof(data);
  data.hwndOwner = options.owner;
  data.lpstrFilter = filter.c_str();
  data.nFilterIndex = options.filterIndex;
  data.lpstrFile = path.data();
  data.nMaxFile = kPathCapacity;
  data.lpstrInitialDir = options.startFolder;
  data.lpstrTitle = options.title;
  data.lpstrDefExt = options.defaultExtension;
  // The program's working folder stays where it was, whatever folder the user browsed to.
  data.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | options.flags;
  if (!dialog(&data)) {
    return std::nullopt;  // cancelled
  }
  return Narrow(path.data());
}

}  // namespace zorvat
