// Clip files of any bytes: no crash, no read or write outside the file and the picture; a clip
// that reads plays every frame and again from the first, the picture always its full size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "base/AnimationClip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::optional<zorvat::AnimationClip> clip =
      zorvat::AnimationClip::Read(std::string(reinterpret_cast<const char*>(data), size));
  if (!clip) {
    return 0;
  }
  const std::size_t pixels = static_cast<std::size_t>(clip->Width()) * clip->Height();
  if (clip->FrameMilliseconds() == 0) {
    std::abort();
  }
  for (std::size_t i = 0; i <= clip->FrameCount(); ++i) {
    clip->Advance();
    if (clip->Picture().size() != pixels) {
      std::abort();
    }
  }
  clip->Rewind();
  if (clip->Frame() != 0 || clip->Picture().size() != pixels) {
    std::abort();
  }
  return 0;
}
