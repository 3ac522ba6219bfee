#include "base/AnimationClip.h"

#include <algorithm>
#include <utility>

namespace zorvat {
namespace {

// Larger pictures than any animation box shows; the limit keeps a damaged header from asking for
// gigabytes.
constexpr int kLargestSide = 2048;

constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kRunLength8 = 1;    // BI_RLE8

std::uint32_t Read32(std::string_view bytes, std::size_t at) {
  if (at + 4 > bytes.size()) {
    return 0;
  }
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

std::uint16_t Read16(std::string_view bytes, std::size_t at) {
  if (at + 2 > bytes.size()) {
    return 0;
  }
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t Colour(unsigned red, unsigned green, unsigned blue) {
  return red << 16 | green << 8 | blue;
}

struct Chunk {
  std::string_view id;
  std::string_view data;      // of a LIST or RIFF chunk: after its list type
  std::string_view listType;  // empty for other chunks
  std::size_t offset = 0;     // of `data` in the region walked
};

// The chunks of `region` in order, each padded to an even size; a chunk that claims more bytes
// than are left ends the walk.
template <typename Visit>
void ForEachChunk(std::string_view region, Visit visit) {
  std::size_t at = 0;
  while (at + 8 <= region.size()) {
    const std::string_view id = region.substr(at, 4);
    const std::size_t size = Read32(region, at + 4);
    if (size > region.size() - at - 8) {
      return;
    }
    Chunk chunk{id, region.substr(at + 8, size), {}, at + 8};
    if ((id == "LIST" || id == "RIFF") && size >= 4) {
      chunk.listType = chunk.data.substr(0, 4);
      chunk.data.remove_prefix(4);
      chunk.offset += 4;
    }
    visit(chunk);
    at += 8 + size + (size & 1);
  }
}

bool IsFrameOfFirstStream(std::string_view id) {
  return id == "00db" || id == "00dc";
}

}  // namespace

std::optional<AnimationClip> AnimationClip::Read(std::string bytes) {
  AnimationClip clip;
  clip.bytes_ = std::move(bytes);
  const std::string_view file = clip.bytes_;
  if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "AVI ") {
    return std::nullopt;
  }
  const std::string_view body = file.substr(12);
  bool header = false;
  bool format = false;
  bool sound = false;
  std::size_t streams = 0;
  ForEachChunk(body, [&](const Chunk& top) {
    if (top.listType == "hdrl") {
      ForEachChunk(top.data, [&](const Chunk& chunk) {
        if (chunk.id == "avih" && chunk.data.size() >= 40) {
          clip.microseconds_ = Read32(chunk.data, 0);
          header = true;
        } else if (chunk.listType == "strl") {
          std::string_view type;
          std::string_view streamFormat;
          ForEachChunk(chunk.data, [&](const Chunk& part) {
            if (part.id == "strh" && part.data.size() >= 4) {
              type = part.data.substr(0, 4);
            } else if (part.id == "strf") {
              streamFormat = part.data;
            }
          });
          sound = sound || type == "auds";
          if (streams++ == 0 && type == "vids") {
            format = clip.ReadFormat(streamFormat);
          }
        }
      });
    } else if (top.listType == "movi") {
      // Frames lie in "movi", or one level down in its "rec " lists.
      const std::size_t movie = 12 + top.offset;
      ForEachChunk(top.data, [&](const Chunk& chunk) {
        if (IsFrameOfFirstStream(chunk.id)) {
          clip.frames_.push_back(Span{movie + chunk.offset, chunk.data.size()});
        } else if (chunk.listType == "rec ") {
          ForEachChunk(chunk.data, [&](const Chunk& inner) {
            if (IsFrameOfFirstStream(inner.id)) {
              clip.frames_.push_back(Span{movie + chunk.offset + inner.offset, inner.data.size()});
            }
          });
        }
      });
    }
  });
  if (!header || !format || sound || clip.frames_.empty()) {
    return std::nullopt;
  }
  clip.picture_.assign(static_cast<std::size_t>(clip.width_) * clip.height_, 0);
  clip.Rewind();
  clip.transparent_ = clip.picture_[static_cast<std::size_t>(clip.height_ - 1) * clip.width_];
  return clip;
}

bool AnimationClip::ReadFormat(std::string_view format) {
  constexpr std::size_t kHeaderSize = 40;  // BITMAPINFOHEADER
  const std::uint32_t headerSize = Read32(format, 0);
  if (format.size() < kHeaderSize || headerSize < kHeaderSize || headerSize > format.size()) {
    return false;
  }
  const auto width = static_cast<std::int32_t>(Read32(format, 4));
  const auto height = static_cast<std::int32_t>(Read32(format, 8));
  bitCount_ = Read16(format, 14);
  const std::uint32_t compression = Read32(format, 16);
  const std::uint32_t coloursUsed = Read32(format, 32);
  if (width < 1 || width > kLargestSide || height == 0 || height < -kLargestSide ||
      height > kLargestSide) {
    return false;
  }
  width_ = width;
  height_ = height < 0 ? -height : height;
  topDown_ = height < 0;
  runLength_ = compression == kRunLength8;
  const bool uncompressed = compression == kUncompressed && (bitCount_ == 8 || bitCount_ == 16 ||
                                                             bitCount_ == 24 || bitCount_ == 32);
  if (!uncompressed && !(runLength_ && bitCount_ == 8 && !topDown_)) {
    return false;
  }
  if (bitCount_ == 8) {
    const std::size_t count = coloursUsed == 0 ? 256 : std::min<std::uint32_t>(coloursUsed, 256);
    if (format.size() - headerSize < count * 4) {
      return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = headerSize + i * 4;
      palette_.push_back(Colour(static_cast<unsigned char>(format[at + 2]),
                                static_cast<unsigned char>(format[at + 1]),
                                static_cast<unsigned char>(format[at])));
    }
  }
  return true;
}

unsigned AnimationClip::FrameMilliseconds() const {
  return static_cast<unsigned>(
      std::max<std::uint64_t>(1, (std::uint64_t{microseconds_} + 500) / 1000));
}

// As at the opening: a first frame that leaves pixels out shows the same each time.
void AnimationClip::Rewind() {
  frame_ = 0;
  std::fill(picture_.begin(), picture_.end(), 0);
  Draw(frame_);
}

void AnimationClip::Advance() {
  frame_ = (frame_ + 1) % frames_.size();
  Draw(frame_);
}

void AnimationClip::Draw(std::size_t frame) {
  const Span span = frames_[frame];
  const std::string_view data = std::string_view(bytes_).substr(span.offset, span.size);
  if (runLength_) {
    DrawRunLength(data);
  } else {
    DrawUncompressed(data);
  }
}

// A frame too short for the whole picture is not drawn: what it holds is no picture.
void AnimationClip::DrawUncompressed(std::string_view data) {
  const std::size_t width = width_;
  const std::size_t stride = (width * bitCount_ + 31) / 32 * 4;
  if (data.size() < stride * height_) {
    return;
  }
  for (std::size_t stored = 0; stored < static_cast<std::size_t>(height_); ++stored) {
    const std::size_t row = topDown_ ? height_ - 1 - stored : stored;
    const std::string_view line = data.substr(stored * stride, stride);
    std::uint32_t* out = &picture_[row * width];
    for (std::size_t x = 0; x < width; ++x) {
      switch (bitCount_) {
        case 8:
          Put(x, row, static_cast<unsigned char>(line[x]));
          break;
        case 16: {  // 5 bits each of red, green and blue
          const unsigned value = Read16(line, x * 2);
          const auto widen = [](unsigned five) { return five << 3 | five >> 2; };
          out[x] = Colour(widen(value >> 10 & 31), widen(value >> 5 & 31), widen(value & 31));
          break;
        }
        default: {  // 24 and 32 bits: blue, green, red first
          const std::size_t at = x * (bitCount_ / 8);
          out[x] = Colour(static_cast<unsigned char>(line[at + 2]),
                          static_cast<unsigned char>(line[at + 1]),
                          static_cast<unsigned char>(line[at]));
          break;
        }
      }
    }
  }
}

// Runs of one colour, literal runs, ends of lines, moves and the end; what the frame skips keeps
// the colour of the frame before. Pixels beyond the picture are dropped.
void AnimationClip::DrawRunLength(std::string_view data) {
  std::size_t x = 0;
  std::size_t row = 0;
  std::size_t at = 0;
  while (at + 2 <= data.size() && row < static_cast<std::size_t>(height_)) {
    const auto count = static_cast<unsigned char>(data[at]);
    const auto code = static_cast<unsigned char>(data[at + 1]);
    at += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) {
        Put(x++, row, code);
      }
    } else if (code == 0) {
      x = 0;
      ++row;
    } else if (code == 1) {
      return;
    } else if (code == 2) {
      if (at + 2 > data.size()) {
        return;
      }
      x += static_cast<unsigned char>(data[at]);
      row += static_cast<unsigned char>(data[at + 1]);
      at += 2;
    } else {
      for (unsigned i = 0; i < code && at < data.size(); ++i) {
        Put(x++, row, static_cast<unsigned char>(data[at++]));
      }
      at += code & 1;  // literal runs end on an even offset
    }
  }
}

void AnimationClip::Put(std::size_t x, std::size_t row, std::size_t paletteIndex) {
  if (x < static_cast<std::size_t>(width_) && row < static_cast<std::size_t>(height_) &&
      paletteIndex < palette_.size()) {
    picture_[row * width_ + x] = palette_[paletteIndex];
  }
}

}  // namespace zorvat
