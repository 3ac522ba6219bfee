#pragma once

#include <cstdint>
#include <string>

namespace zorvat {

// The alert's media player: one file open at a time.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Closes any open file first, which stops its sound. Throws zorvat::Error with the device's
  // own text when the file cannot be opened.
  virtual void Open(const std::string& path) = 0;
  virtual bool IsOpen() const = 0;
  virtual void PlayFromStart() = 0;
  // Of the open file, in the device's time unit (milliseconds); 0 when nothing is open.
  virtual std::int64_t Position() = 0;
  virtual std::int64_t Length() = 0;
  virtual void Close() = 0;
};

}  // namespace zorvat
