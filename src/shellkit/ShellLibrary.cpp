#include "shellkit/ShellLibrary.h"

#include "shellkit/SystemLibrary.h"
#include "shellkit/WideText.h"

namespace zorvat::shellkit {

ShellLibrary::ShellLibrary() : module_(LoadSystemLibrary(L"shell32.dll")) {}

bool ShellLibrary::NotifyIcon(DWORD message, NOTIFYICONDATAW& record) const {
  const auto notify = ProcedureOf<decltype(&Shell_NotifyIconW)>(module_.get(), "Shell_NotifyIconW");
  return notify && notify(message, &record);
}

bool ShellLibrary::FileInfo(const std::string& path, UINT flags, SHFILEINFOW& info) const {
  const auto fileInfo = ProcedureOf<decltype(&SHGetFileInfoW)>(module_.get(), "SHGetFileInfoW");
  // The shell may hand the request to extensions that need COM.
  const ComScope com;
  return fileInfo && fileInfo(Widen(path).c_str(), 0, &info, sizeof(info), flags) != 0;
}

Icon ShellLibrary::FileIcon(const std::string& path) const {
  SHFILEINFOW info{};
  return FileInfo(path, SHGFI_ICON, info) ? Icon(info.hIcon) : Icon();
}

std::string ShellLibrary::FileTypeName(const std::string& path) const {
  SHFILEINFOW info{};
  return FileInfo(path, SHGFI_TYPENAME, info) ? Narrow(info.szTypeName) : std::string();
}

}  // namespace zorvat::shellkit
