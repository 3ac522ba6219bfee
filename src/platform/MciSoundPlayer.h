#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "scheduler/SoundPlayer.h"

namespace zorvat {

// An open MCI device, closed once.
class MciDevice {
 public:
  MciDevice() = default;
  explicit MciDevice(MCIDEVICEID id) : id_(id) {}
  ~MciDevice();
  MciDevice(MciDevice&& other) noexcept;
  MciDevice& operator=(MciDevice&& other) noexcept;
  MciDevice(const MciDevice&) = delete;
  MciDevice& operator=(const MciDevice&) = delete;

  MCIDEVICEID id() const { return id_; }
  explicit operator bool() const { return id_ != 0; }

 private:
  MCIDEVICEID id_ = 0;
};

// The alert's player through the media control interface; the device follows from the file.
// Errors of an open device throw zorvat::Error with the device's own text.
class MciSoundPlayer final : public SoundPlayer {
 public:
  void Open(const std::string& path) override;
  bool IsOpen() const override { return static_cast<bool>(device_); }
  void PlayFromStart() override;
  std::int64_t Position() override;
  std::int64_t Length() override;
  void Close() override { device_ = MciDevice(); }

 private:
  std::int64_t Status(DWORD item);

  MciDevice device_;
};

}  // namespace zorvat
