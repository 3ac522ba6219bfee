#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorvat::testing {

bool RunningUnderWine();

// Sets a registry value for one scope and puts back what was there before (or nothing).
class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, std::wstring subkey, std::wstring name);
  ~ScopedRegistryValue();
  ScopedRegistryValue(const ScopedRegistryValue&) = delete;
  ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

  void SetText(const std::wstring& text);
  void SetNumber(DWORD number);
  void Remove();
  std::optional<std::wstring> Text() const;

 private:
  void Write(DWORD type, const void* data, DWORD bytes);

  HKEY root_;
  std::wstring subkey_;
  std::wstring name_;
  bool existed_ = false;
  DWORD oldType_ = 0;
  std::vector<BYTE> oldData_;
};

// Wine starts its menu builder for every shortcut saved under the Start menu, and that writes
// into the host's home folder; this switches it off in the test prefix for one scope.
class NoWineMenuBuilder {
 public:
  NoWineMenuBuilder();

 private:
  ScopedRegistryValue override_;
};

void WriteBytes(const std::string& utf8Path, const std::string& bytes);
std::string ReadBytes(const std::string& utf8Path);
bool PathExists(const std::string& utf8Path);

// Waits up to `milliseconds` for `done`, pumping this thread's messages meanwhile.
bool WaitFor(const std::function<bool()>& done, DWORD milliseconds);

}  // namespace zorvat::testing
