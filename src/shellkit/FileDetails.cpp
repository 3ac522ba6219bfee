#include "shellkit/FileDetails.h"

#include <windows.h>

#include "shellkit/ShellLibrary.h"
#include "shellkit/WideText.h"

namespace zorvat::shellkit {
namespace {

template <typename Format>
std::string LocaleText(Format format) {
  const int length = format(nullptr, 0);
  if (length <= 1) {
    return {};
  }
  std::wstring text(static_cast<size_t>(length), L'\0');
  text.resize(static_cast<size_t>(format(text.data(), length) > 0 ? length - 1 : 0));
  return Narrow(text);
}

std::string LocalStamp(const FILETIME& stamp) {
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  // The zone rules of the stamp's own date, not of today, decide daylight saving.
  if (!FileTimeToSystemTime(&stamp, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    return {};
  }
  std::string text = LocaleText([&](wchar_t* buffer, int size) {
    return GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, buffer, size,
                           nullptr);
  });
  if (local.wHour != 0 || local.wMinute != 0 || local.wSecond != 0) {
    text += ' ';
    text += LocaleText([&](wchar_t* buffer, int size) {
      return GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &local, nullptr, buffer, size);
    });
  }
  return text;
}

std::string SizeText(const WIN32_FILE_ATTRIBUTE_DATA& data) {
  const std::uint64_t size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  return std::to_string(size);
}

}  // namespace

std::string GetFileDetail(const std::string& path, std::uint8_t kind) {
  const std::wstring widePath = Widen(path);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExW(widePath.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return "0";
  }
  switch (kind) {
    case 1:
      return ShellLibrary().FileTypeName(path);
    case 2:
      return LocalStamp(data.ftLastWriteTime);
    case 3:
      return SizeText(data);
    default:
      return {};
  }
}

Icon GetFileIcon(const std::string& path) {
  return ShellLibrary().FileIcon(path);
}

}  // namespace zorvat::shellkit
