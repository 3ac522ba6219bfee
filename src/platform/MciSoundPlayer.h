#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "scheduler/SoundPlayer.h"
#include "shellkit/Handles.h"

namespace zorvat {

inline void CloseMciDevice(MCIDEVICEID id) {
  mciSendCommandW(id, MCI_CLOSE, MCI_WAIT, 0);
}

// An open MCI device, closed once.
using MciDevice = shellkit::UniqueHandle<MCIDEVICEID, &CloseMciDevice>;

// The alert's player through the media control interface; the device follows from the file.
// Errors of an open device throw zorvat::Error with the device's own text.
class MciSoundPlayer final : public SoundPlayer {
 public:
  void Open(const std::string& path) override;
  bool IsOpen() const override { return static_cast<bool>(device_); }
  void PlayFromStart() override;
  std::int64_t Position() override;
  std::int64_t Length() override;
  void Close() override { device_.reset(); }

 private:
  std::int64_t Status(DWORD item);

  MciDevice device_;
};

}  // namespace zorvat
