#pragma once

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <memory>
#include <utility>

namespace zorvat::shellkit {

template <typename Handle>
constexpr Handle ZeroHandle() {
  return Handle{};
}

inline HANDLE InvalidHandleValue() {
  return INVALID_HANDLE_VALUE;
}

// Owns one Win32 handle and releases it once: movable, never copied. Empty() gives the value
// that means "no handle" (zero for most kinds, INVALID_HANDLE_VALUE for files and searches).
template <typename Handle, auto Release, auto Empty = &ZeroHandle<Handle>>
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
  explicit operator bool() const { return handle_ != Empty(); }
  Handle release() { return std::exchange(handle_, Empty()); }
  void reset(Handle handle = Empty()) {
    if (handle_ != Empty()) {
      Release(handle_);
    }
    handle_ = handle;
  }
  // For a call that returns the handle through a pointer: releases the old one first.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Empty();
};

using KernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
// CreateFileW, CreateFileMappingW's file and the like say "none" with INVALID_HANDLE_VALUE.
using FileHandle = UniqueHandle<HANDLE, &CloseHandle, &InvalidHandleValue>;
using FindHandle = UniqueHandle<HANDLE, &FindClose, &InvalidHandleValue>;
using RegistryKey = UniqueHandle<HKEY, &RegCloseKey>;
using Library = UniqueHandle<HMODULE, &FreeLibrary>;

using Icon = UniqueHandle<HICON, &DestroyIcon>;
using Menu = UniqueHandle<HMENU, &DestroyMenu>;
using ImageList = UniqueHandle<HIMAGELIST, &ImageList_Destroy>;
using AcceleratorTable = UniqueHandle<HACCEL, &DestroyAcceleratorTable>;

using Font = UniqueHandle<HFONT, &DeleteObject>;
using Brush = UniqueHandle<HBRUSH, &DeleteObject>;
using Pen = UniqueHandle<HPEN, &DeleteObject>;
using Bitmap = UniqueHandle<HBITMAP, &DeleteObject>;
using Region = UniqueHandle<HRGN, &DeleteObject>;
// CreateCompatibleDC's; what is selected into it is restored by a SelectionGuard first.
using MemoryDc = UniqueHandle<HDC, &DeleteDC>;

// Selects a GDI object into a device context for one scope and puts the previous one back,
// so the object can be deleted afterwards.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionGuard() {
    if (previous_ && previous_ != HGDI_ERROR) {
      SelectObject(dc_, previous_);
    }
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's device context for one scope (GetDC / ReleaseDC).
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) {
      ReleaseDC(window_, dc_);
    }
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The paint of one WM_PAINT (BeginPaint / EndPaint).
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};  // before dc_: BeginPaint fills it
  HDC dc_;
};

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
