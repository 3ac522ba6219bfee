// The system's ANSI code page, for files written by older versions and read by older readers.
#include <windows.h>

#include "base/TextEncoding.h"
#include "shellkit/WideText.h"

namespace zorvat {
namespace {

// The system locale's legacy code page, not CP_ACP: Zorvat.exe's manifest makes CP_ACP UTF-8,
// while the files of older versions and readers stay in the legacy one.
UINT SystemAnsiCodePage() {
  static const UINT codePage = [] {
    DWORD number = 0;
    const int read =
        GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&number), sizeof number / 2);
    return read > 0 && number != 0 && number != CP_UTF8 ? static_cast<UINT>(number) : 1252u;
  }();
  return codePage;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  if (ansi.empty()) {
    return {};
  }
  const int size = static_cast<int>(ansi.size());
  const int length = MultiByteToWideChar(SystemAnsiCodePage(), 0, ansi.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(SystemAnsiCodePage(), 0, ansi.data(), size, wide.data(), length);
  return Narrow(wide);
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
  if (utf8.empty()) {
    return std::string();
  }
  const std::wstring wide = Widen(utf8);
  const int size = static_cast<int>(wide.size());
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(SystemAnsiCodePage(), WC_NO_BEST_FIT_CHARS, wide.data(),
                                         size, nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) {
    return std::nullopt;
  }
  std::string ansi(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(SystemAnsiCodePage(), WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(),
                      length, nullptr, &lossy);
  return ansi;
}

}  // namespace zorvat
