#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat {

// A silent clip as an animation box plays it: a RIFF AVI file whose one stream is video, its
// frames uncompressed at 8, 16, 24 or 32 bits a pixel or run-length encoded at 8 bits. The frames
// are drawn one after the other onto one picture, since a frame may change only part of it, and
// an empty frame repeats the one before.
class AnimationClip {
 public:
  // Nothing when `bytes` hold no such clip.
  static std::optional<AnimationClip> Read(std::string bytes);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::size_t FrameCount() const { return frames_.size(); }
  // How long a frame stays, at least a millisecond.
  unsigned FrameMilliseconds() const;

  // Draws frame 0 again, onto the picture as it was before the first frame.
  void Rewind();
  // Draws the next frame; after the last, frame 0.
  void Advance();
  std::size_t Frame() const { return frame_; }
  // The picture as the frames drawn so far left it: Width() × Height() pixels 0x00RRGGBB, the
  // bottom row first.
  const std::vector<std::uint32_t>& Picture() const { return picture_; }
  // The colour at the first frame's top left: where the picture has it, what lies behind shows.
  std::uint32_t TransparentColour() const { return transparent_; }

 private:
  struct Span {
    std::size_t offset = 0;
    std::size_t size = 0;
  };

  AnimationClip() = default;
  bool ReadFormat(std::string_view format);
  void Draw(std::size_t frame);
  void DrawUncompressed(std::string_view data);
  void DrawRunLength(std::string_view data);
  void Put(std::size_t x, std::size_t row, std::size_t paletteIndex);

  std::string bytes_;
  int width_ = 0;
  int height_ = 0;
  int bitCount_ = 0;
  bool runLength_ = false;
  bool topDown_ = false;
  std::uint32_t microseconds_ = 0;
  std::vector<std::uint32_t> palette_;
  std::vector<Span> frames_;
  std::size_t frame_ = 0;
  std::vector<std::uint32_t> picture_;
  std::uint32_t transparent_ = 0;
};

}  // namespace zorvat
