#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Disk.h"
#include "base/Files.h"
#include "shellkit/Handles.h"
#include "shellkit/WideText.h"

namespace zorvat {
namespace {

using shellkit::FileHandle;

// The errors that say nothing is at a path, as against that it could not be looked at. A name
// no file can have (wildcards, a bad drive) holds nothing either.
bool MeansNothingThere(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
      return true;
    default:
      return false;
  }
}

std::wstring FullWidePath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) {
      return {};
    }
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);  // the size it needs, with its terminator
  }
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// "C:\..." or "\\server\...": such a path is kept as it is written.
bool IsAbsolute(std::string_view path) {
  return (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2])) ||
         (path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
          !IsSeparator(path[2]));
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::optional<std::string> AbsolutePath(std::string_view path) {
  if (path.empty()) {
    return std::nullopt;
  }
  if (IsAbsolute(path)) {
    return std::string(path);
  }
  const std::wstring full = FullWidePath(Widen(path));
  if (full.empty()) {
    return std::nullopt;
  }
  return Narrow(full);
}

bool CreateFolders(std::string_view utf8Path) {
  const std::wstring full = utf8Path.empty() ? std::wstring() : FullWidePath(Widen(utf8Path));
  if (full.empty()) {
    return false;
  }
  // From the folder up to the first one there, then made downwards.
  std::vector<std::wstring> missing;
  std::wstring folder = full;
  while (!IsFolder(folder)) {
    if (GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) {
      return false;  // a file in the way
    }
    missing.push_back(folder);
    const std::size_t separator = folder.find_last_of(L"\\/");
    if (separator == std::wstring::npos || separator == 0) {
      break;
    }
    folder.resize(separator);
  }
  std::reverse(missing.begin(), missing.end());
  for (const std::wstring& each : missing) {
    CreateDirectoryW(each.c_str(), nullptr);  // one made meanwhile by someone else is as good
  }
  return IsFolder(full);
}

bool RemoveFile(std::string_view utf8Path) {
  return !utf8Path.empty() && DeleteFileW(Widen(utf8Path).c_str()) != FALSE;
}

namespace disk {

Entry Inspect(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) {
    return {MeansNothingThere(GetLastError()) ? EntryKind::Nothing : EntryKind::Unknown};
  }
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {EntryKind::Folder};
  }
  return {EntryKind::File, (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0,
          (std::uintmax_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow};
}

EntryKind KindAt(std::string_view path) {
  return Inspect(path).kind;
}

// Not followed here: a save replaces what is at the name, as MoveFileExW does.
std::string FollowLinks(std::string_view path) {
  return std::string(path);
}

bool ReadInto(std::string_view path, std::size_t most, std::uintmax_t sizeHint,
              std::string& bytes) {
  // Others may read, write, rename or delete the file meanwhile, as they may under a stream.
  const FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) {
    return false;
  }
  bytes.reserve(bytes.size() + static_cast<std::size_t>(sizeHint < most ? sizeHint : most));
  std::size_t left = most;
  char buffer[65536];
  while (left > 0) {
    DWORD got = 0;
    const DWORD chunk = static_cast<DWORD>(left < sizeof buffer ? left : sizeof buffer);
    if (!ReadFile(file.get(), buffer, chunk, &got, nullptr)) {
      return false;
    }
    if (got == 0) {
      break;
    }
    bytes.append(buffer, got);
    left -= got;
  }
  return true;
}

bool WriteNewFile(std::string_view path, std::string_view bytes, bool flush) {
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    return false;
  }
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(bytes.size() < (1u << 30) ? bytes.size() : (1u << 30));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  if (flush && !FlushFileBuffers(file.get())) {
    return false;
  }
  return CloseHandle(file.release()) != FALSE;
}

}  // namespace disk
}  // namespace zorvat
