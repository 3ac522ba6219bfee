#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

// GetOpenFileNameW, GetSaveFileNameW, or a test's stand-in.
using FileDialogFunction = std::function<BOOL(OPENFILENAMEW*)>;

struct FileDialogOptions {
  HWND owner = nullptr;
  std::string_view filter;         // "A|a|B|b": descriptions and patterns
  DWORD filterIndex = 1;           // the pair chosen at the start, from 1
  const wchar_t* title = nullptr;  // nothing: the system's "Open" or "Save As"
  const wchar_t* defaultExtension = nullptr;
  const wchar_t* startFolder = nullptr;
  DWORD flags = 0;  // besides the explorer look and the unchanged working folder
};

// "A|a|B|b" as the dialogs want it: every "|" a null character, two at the end.
std::wstring FileDialogFilter(std::string_view pairs);

// One run of the system's file dialog: the chosen file's full path, nothing when cancelled.
std::optional<std::string> RunFileDialog(const FileDialogFunction& dialog,
                                         const FileDialogOptions& options);

}  // namespace zorvat
