#include "shellkit/SystemFolders.h"

#include <windows.h>

#include <array>

#include "shellkit/Registry.h"

namespace zorvat::shellkit {
namespace {

constexpr const wchar_t* kMachineKey = L"Software\\Microsoft\\Windows\\CurrentVersion";
constexpr const wchar_t* kUserKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::uint8_t kLastMachineSelector = 6;

// Indexed by selector - 1.
constexpr std::array<const wchar_t*, 22> kValueNames{
    L"SystemRoot", L"ProgramFilesDir", L"CommonFilesDir", L"DevicePath", L"ConfigPath",
    L"MediaPath",  L"Start Menu",      L"Programs",       L"Desktop",    L"Favorites",
    L"Fonts",      L"History",         L"Cookies",        L"Personal",   L"NetHood",
    L"PrintHood",  L"Recent",          L"SendTo",         L"Startup",    L"Templates",
    L"Cache",      L"AppData"};

}  // namespace

std::string GetSystemFolder(std::uint8_t selector) {
  if (selector < 1 || selector > kValueNames.size()) {
    return "0";
  }
  const bool machine = selector <= kLastMachineSelector;
  return ReadRegistryString(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                            machine ? kMachineKey : kUserKey, kValueNames[selector - 1])
      .value_or("[?]");
}

}  // namespace zorvat::shellkit
