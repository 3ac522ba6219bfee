#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace zorvat::testing {

// `explorer /desktop=<name>,800x600` under Wine: a desktop of its own with a taskbar, closed
// again by its own process handle.
class VirtualDesktop {
 public:
  // Nothing when the desktop or its taskbar does not appear within a few seconds.
  static std::unique_ptr<VirtualDesktop> Start(const std::wstring& name);
  ~VirtualDesktop();
  VirtualDesktop(const VirtualDesktop&) = delete;
  VirtualDesktop& operator=(const VirtualDesktop&) = delete;

  // Runs `work` on a thread that belongs to the desktop; gtest assertions inside count.
  void Run(const std::function<void()>& work) const;

 private:
  VirtualDesktop(PROCESS_INFORMATION process, std::wstring name);

  PROCESS_INFORMATION process_;
  std::wstring name_;
};

}  // namespace zorvat::testing
