#include "shellkit/ShellLibrary.h"

#include "shellkit/SystemLibrary.h"
#include "shellkit/WideText.h"

namespace zorvat::shellkit {
namespace {

template <typename Function>
Function Find(const Library& module, const char* name) {
  // Through a plain function type, as a cast between unrelated function types warns.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(module ? GetProcAddress(module.get(), name) : nullptr));
}

}  // namespace

ShellLibrary::ShellLibrary() : module_(LoadSystemLibrary(L"shell32.dll")) {}

bool ShellLibrary::NotifyIcon(DWORD message, NOTIFYICONDATAW& record) const {
  const auto notify = Find<decltype(&Shell_NotifyIconW)>(module_, "Shell_NotifyIconW");
  return notify && notify(message, &record);
}

bool ShellLibrary::FileInfo(const std::string& path, UINT flags, SHFILEINFOW& info) const {
  const auto fileInfo = Find<decltype(&SHGetFileInfoW)>(module_, "SHGetFileInfoW");
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
