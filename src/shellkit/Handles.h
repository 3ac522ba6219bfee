#pragma once

#include <windows.h>

#include <objbase.h>

#include <memory>
#include <utility>

namespace zorvat::shellkit {

// Owns one Win32 handle and releases it once: movable, never copied.
template <typename Handle, auto Release>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset(other.release());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) {
      Release(handle_);
    }
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

using KernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
using RegistryKey = UniqueHandle<HKEY, &RegCloseKey>;
using Icon = UniqueHandle<HICON, &DestroyIcon>;
using Region = UniqueHandle<HRGN, &DeleteObject>;

struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComRelease>;

// COM for the current thread for one scope; a thread that already runs COM keeps its own.
class ComScope {
 public:
  ComScope() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialized_) {
      CoUninitialize();
    }
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialized_;
};

}  // namespace zorvat::shellkit
