#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "shellkit/Handles.h"

namespace zorvat::shellkit {

// shell32 for the life of one object. The program asks it for little (the tray icon, the icons
// and type names of files), a few times a day, and the answers live on without it: the tray
// keeps the icon, an icon handle belongs to the process. Kept loaded, shell32 and what it
// brings were about 1 MB of the working set of a program that spends its life in the tray.
// Loaded by its full path in the system folder; without it every request fails.
class ShellLibrary {
 public:
  ShellLibrary();

  // Shell_NotifyIconW; false when the tray refused the request.
  bool NotifyIcon(DWORD message, NOTIFYICONDATAW& record) const;
  // The shell's standard-size icon for the file; empty when the shell has none.
  Icon FileIcon(const std::string& path) const;
  // The shell's name of the file's type; empty when the shell has none.
  std::string FileTypeName(const std::string& path) const;

 private:
  bool FileInfo(const std::string& path, UINT flags, SHFILEINFOW& info) const;

  Library module_;
};

}  // namespace zorvat::shellkit
