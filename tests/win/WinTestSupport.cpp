#include "win/WinTestSupport.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/Files.h"
#include "shellkit/WideText.h"
#include "support/FilesystemPaths.h"

namespace zorvat::testing {

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, std::wstring subkey, std::wstring name)
    : root_(root), subkey_(std::move(subkey)), name_(std::move(name)) {
  DWORD bytes = 0;
  if (RegGetValueW(root_, subkey_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &oldType_,
                   nullptr, &bytes) == ERROR_SUCCESS) {
    oldData_.resize(bytes);
    existed_ = RegGetValueW(root_, subkey_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                            &oldType_, oldData_.data(), &bytes) == ERROR_SUCCESS;
    oldData_.resize(bytes);
  }
}

// A destructor cannot throw: a value that cannot be put back shows in the test that reads it next.
ScopedRegistryValue::~ScopedRegistryValue() {
  if (existed_) {
    RegSetKeyValueW(root_, subkey_.c_str(), name_.c_str(), oldType_, oldData_.data(),
                    static_cast<DWORD>(oldData_.size()));
  } else {
    Remove();
  }
}

void ScopedRegistryValue::Write(DWORD type, const void* data, DWORD bytes) {
  if (RegSetKeyValueW(root_, subkey_.c_str(), name_.c_str(), type, data, bytes) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot write the registry value " + Narrow(name_));
  }
}

void ScopedRegistryValue::SetText(const std::wstring& text) {
  Write(REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void ScopedRegistryValue::SetNumber(DWORD number) {
  Write(REG_DWORD, &number, sizeof(number));
}

void ScopedRegistryValue::Remove() {
  RegDeleteKeyValueW(root_, subkey_.c_str(), name_.c_str());
}

std::optional<std::wstring> ScopedRegistryValue::Text() const {
  wchar_t text[1024];
  DWORD bytes = sizeof(text);
  if (RegGetValueW(root_, subkey_.c_str(), name_.c_str(), RRF_RT_REG_SZ, nullptr, text, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(text);
}

NoWineMenuBuilder::NoWineMenuBuilder()
    : override_(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", L"winemenubuilder.exe") {
  override_.SetText(L"");
}

void WriteBytes(const std::string& utf8Path, const std::string& bytes) {
  std::ofstream out(PathFromUtf8(utf8Path), std::ios::binary);
  out << bytes;
  if (!out) {
    throw std::runtime_error("cannot write " + utf8Path);
  }
}

std::string ReadBytes(const std::string& utf8Path) {
  return ReadFileBytes(utf8Path).value_or("(unreadable)");
}

bool PathExists(const std::string& utf8Path) {
  return GetFileAttributesW(Widen(utf8Path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WaitFor(const std::function<bool()>& done, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (!done()) {
    if (GetTickCount64() >= end) {
      return false;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(20);
  }
  return true;
}

}  // namespace zorvat::testing
