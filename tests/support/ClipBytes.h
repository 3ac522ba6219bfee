#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat::testing {

// The bytes of a RIFF AVI clip, put together chunk by chunk as a clip file holds them.
inline std::string Le32(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) {
    bytes += static_cast<char>(value >> (8 * i) & 0xFF);
  }
  return bytes;
}

inline std::string Le16(std::uint16_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline std::string ClipChunk(std::string_view id, const std::string& data) {
  std::string chunk = std::string(id) + Le32(static_cast<std::uint32_t>(data.size())) + data;
  if (data.size() % 2 != 0) {
    chunk += '\0';
  }
  return chunk;
}

inline std::string ClipList(std::string_view type, const std::string& chunks) {
  return ClipChunk("LIST", std::string(type) + chunks);
}

inline std::string MainHeader(std::uint32_t microsecondsPerFrame) {
  return ClipChunk("avih", Le32(microsecondsPerFrame) + std::string(52, '\0'));
}

inline std::string StreamHeader(std::string_view type) {
  return ClipChunk("strh", std::string(type) + std::string(52, '\0'));
}

// BITMAPINFOHEADER and the palette's colours (0x00RRGGBB each).
inline std::string PictureFormat(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                 std::uint32_t compression,
                                 const std::vector<std::uint32_t>& palette = {}) {
  std::string format = Le32(40) + Le32(static_cast<std::uint32_t>(width)) +
                       Le32(static_cast<std::uint32_t>(height)) + Le16(1) + Le16(bits) +
                       Le32(compression) + Le32(0) + Le32(0) + Le32(0) +
                       Le32(static_cast<std::uint32_t>(palette.size())) + Le32(0);
  for (const std::uint32_t colour : palette) {
    format += Le32(colour);  // blue, green, red, 0
  }
  return ClipChunk("strf", format);
}

// A clip of one video stream with `format` and these frames, `extraStreams` after it.
inline std::string ClipFile(const std::string& format, const std::vector<std::string>& frames,
                            std::uint32_t microsecondsPerFrame = 500000,
                            const std::string& extraStreams = {}) {
  std::string movie;
  for (const std::string& frame : frames) {
    movie += ClipChunk("00db", frame);
  }
  const std::string header =
      ClipList("hdrl", MainHeader(microsecondsPerFrame) +
                           ClipList("strl", StreamHeader("vids") + format) + extraStreams);
  return ClipChunk("RIFF", "AVI " + header + ClipList("movi", movie));
}

}  // namespace zorvat::testing
