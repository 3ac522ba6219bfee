#include "base/AnimationClip.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/ClipBytes.h"

namespace zorvat {
namespace {

using namespace zorvat::testing;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

// Pixel (x, y) counted from the top left, as the eye sees it.
std::uint32_t At(const AnimationClip& clip, int x, int y) {
  return clip.Picture()[static_cast<std::size_t>(clip.Height() - 1 - y) * clip.Width() + x];
}

std::string Bgr(std::uint32_t colour) {
  return {static_cast<char>(colour & 0xFF), static_cast<char>(colour >> 8 & 0xFF),
          static_cast<char>(colour >> 16)};
}

// A row of 2 pixels at 24 bits, padded to a multiple of 4 bytes.
std::string Row24(std::uint32_t left, std::uint32_t right) {
  return Bgr(left) + Bgr(right) + std::string(2, '\0');
}

TEST(AnimationClip, PlaysUncompressedFramesInTurnAsTheEyeSeesThem) {
  // Stored bottom row first: frame 0 has red over green; frame 1 is all blue.
  const std::string frame0 = Row24(kGreen, kGreen) + Row24(kRed, kWhite);
  const std::string frame1 = Row24(kBlue, kBlue) + Row24(kBlue, kBlue);
  std::optional<AnimationClip> clip =
      AnimationClip::Read(ClipFile(PictureFormat(2, 2, 24, 0), {frame0, frame1}, 66666));
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->Width(), 2);
  EXPECT_EQ(clip->Height(), 2);
  EXPECT_EQ(clip->FrameCount(), 2u);
  EXPECT_EQ(clip->FrameMilliseconds(), 67u);
  EXPECT_EQ(clip->Frame(), 0u);
  EXPECT_EQ(At(*clip, 0, 0), kRed);
  EXPECT_EQ(At(*clip, 1, 0), kWhite);
  EXPECT_EQ(At(*clip, 0, 1), kGreen);
  // What lies behind shows where the first frame has its top left colour, in every frame.
  EXPECT_EQ(clip->TransparentColour(), kRed);

  clip->Advance();
  EXPECT_EQ(clip->Frame(), 1u);
  EXPECT_EQ(At(*clip, 0, 0), kBlue);
  EXPECT_EQ(clip->TransparentColour(), kRed);
  clip->Advance();  // after the last frame, the first again
  EXPECT_EQ(clip->Frame(), 0u);
  EXPECT_EQ(At(*clip, 0, 0), kRed);
  clip->Advance();
  clip->Rewind();
  EXPECT_EQ(At(*clip, 1, 0), kWhite);

  // A frame's time is at least a millisecond, and a long one does not wrap to a short one.
  for (const auto& [microseconds, milliseconds] :
       {std::pair{0u, 1u}, std::pair{1499u, 1u}, std::pair{0xFFFFFFFFu, 4294967u}}) {
    EXPECT_EQ(AnimationClip::Read(ClipFile(PictureFormat(2, 2, 24, 0), {frame0}, microseconds))
                  ->FrameMilliseconds(),
              milliseconds);
  }
}

// An 8-bit picture one pixel square whose palette holds grey n at n, with "colours used" 0.
std::string FullPaletteNoCount() {
  std::vector<std::uint32_t> greys;
  for (std::uint32_t n = 0; n < 256; ++n) {
    greys.push_back(n << 16 | n << 8 | n);
  }
  std::string format = PictureFormat(1, 1, 8, 0, greys);
  format.replace(8 + 32, 4, Le32(0));  // past the chunk's id and size
  return format;
}

TEST(AnimationClip, ReadsEveryUncompressedDepthAndATopDownPicture) {
  // Width 1: 8 bits through the palette; 16 bits as 5-5-5 (16 of 31 widened to 0x84); 32 bits
  // blue, green, red, unused; a negative height stores the top row first.
  const std::vector<std::uint32_t> palette = {kBlack, kGreen, kRed};
  const struct {
    std::string format;
    std::string frame;
    std::uint32_t top;
    std::uint32_t bottom;  // of a picture two rows high
  } cases[] = {
      {PictureFormat(1, 2, 8, 0, palette), std::string("\1\0\0\0\2\0\0\0", 8), kRed, kGreen},
      {PictureFormat(1, 1, 16, 0), Le16(0x7C00) + Le16(0), kRed, 0},
      {PictureFormat(1, 1, 16, 0), Le16(0x0010) + Le16(0), 0x000084u, 0},
      {PictureFormat(1, -2, 32, 0), Le32(kBlue) + Le32(kWhite), kBlue, kWhite},
      // "Colours used" 0, as most 8-bit clips have it, means the whole table of 256.
      {FullPaletteNoCount(), std::string("\xC8\0\0\0", 4), 0xC8C8C8u, 0},
  };
  for (const auto& c : cases) {
    std::optional<AnimationClip> clip = AnimationClip::Read(ClipFile(c.format, {c.frame}));
    ASSERT_TRUE(clip);
    EXPECT_EQ(At(*clip, 0, 0), c.top);
    if (clip->Height() == 2) {
      EXPECT_EQ(At(*clip, 0, 1), c.bottom);
    }
  }
}

TEST(AnimationClip, RunLengthFramesChangeOnlyWhatTheyDraw) {
  const std::vector<std::uint32_t> palette = {kBlack, kRed, kGreen, kBlue, kWhite};
  // 4 × 3. Frame 0: bottom row 4 red; middle row literal green, blue, white (odd: padded);
  // top row 2 blue and the end of the line before the row is full.
  const std::string frame0 = std::string("\4\1\0\0", 4) + std::string("\0\3\2\3\4\0", 6) +
                             std::string("\0\0", 2) + std::string("\2\3", 2) +
                             std::string("\0\0", 2) + std::string("\0\1", 2);
  // Frame 1: moves 3 right and 2 up (to the top row's end), draws one white, ends.
  const std::string frame1 =
      std::string("\0\2\3\2", 4) + std::string("\1\4", 2) + std::string("\0\1", 2);
  std::optional<AnimationClip> clip =
      AnimationClip::Read(ClipFile(PictureFormat(4, 3, 8, 1, palette), {frame0, frame1}));
  ASSERT_TRUE(clip);
  const std::vector<std::uint32_t> first = {kRed,   kRed,  kRed,   kRed,    // bottom
                                            kGreen, kBlue, kWhite, kBlack,  //
                                            kBlue,  kBlue, kBlack, kBlack};
  EXPECT_EQ(clip->Picture(), first);
  EXPECT_EQ(clip->TransparentColour(), kBlue);

  clip->Advance();
  std::vector<std::uint32_t> second = first;
  second[11] = kWhite;  // the top row's last pixel; the rest stays as frame 0 left it
  EXPECT_EQ(clip->Picture(), second);
  // Played again, the first frame shows as it did at the opening, not over the last one.
  clip->Rewind();
  EXPECT_EQ(clip->Picture(), first);
}

TEST(AnimationClip, DamagedFramesNeverDrawOutsideThePicture) {
  const std::vector<std::uint32_t> palette = {kBlack, kRed, kGreen};
  // A run longer than the row, a colour beyond the palette, a literal run past the end of the
  // data: what falls outside is dropped, nothing wraps to the next row.
  const std::string frame0 =
      std::string("\xFF\1\0\0", 4) + std::string("\1\2\1\7", 4) + std::string("\0\x40\2", 3);
  // One black pixel; then a move far beyond the picture ends the frame.
  const std::string frame1 = std::string("\1\0\0\2\xFF\xFF\1\2", 8);
  std::optional<AnimationClip> clip =
      AnimationClip::Read(ClipFile(PictureFormat(2, 2, 8, 1, palette), {frame0, frame1}));
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->Picture(), (std::vector<std::uint32_t>{kRed, kRed, kGreen, kBlack}));
  // Frame 0 is of odd length: the frame after its padding is found.
  ASSERT_EQ(clip->FrameCount(), 2u);
  clip->Advance();
  EXPECT_EQ(clip->Picture(), (std::vector<std::uint32_t>{kBlack, kRed, kGreen, kBlack}));

  // What follows a frame's end is not drawn.
  std::optional<AnimationClip> ended = AnimationClip::Read(
      ClipFile(PictureFormat(2, 1, 8, 1, palette), {std::string("\1\1\0\1\1\2", 6)}));
  ASSERT_TRUE(ended);
  EXPECT_EQ(ended->Picture(), (std::vector<std::uint32_t>{kRed, kBlack}));

  // An empty frame repeats the one before; a frame too short for the picture is not drawn.
  std::optional<AnimationClip> repeated = AnimationClip::Read(
      ClipFile(PictureFormat(1, 1, 32, 0), {Le32(kGreen), std::string(), std::string("\1", 1)}));
  ASSERT_TRUE(repeated);
  repeated->Advance();
  EXPECT_EQ(At(*repeated, 0, 0), kGreen);
  repeated->Advance();
  EXPECT_EQ(At(*repeated, 0, 0), kGreen);
}

// A picture format whose header claims more bytes than its chunk holds.
std::string LongerHeaderThanItsChunk() {
  std::string format = PictureFormat(1, 1, 8, 0, {kRed});
  format.replace(8, 4, Le32(48));  // the chunk holds 44
  return format;
}

TEST(AnimationClip, FindsFramesInRecordListsAndRefusesWhatItCannotPlay) {
  const std::string format = PictureFormat(1, 1, 32, 0);
  const std::string frame = ClipChunk("00dc", Le32(kWhite));
  const std::string header =
      ClipList("hdrl", MainHeader(100000) + ClipList("strl", StreamHeader("vids") + format));
  std::optional<AnimationClip> grouped = AnimationClip::Read(
      ClipChunk("RIFF", "AVI " + header + ClipList("movi", ClipList("rec ", frame + frame))));
  ASSERT_TRUE(grouped);
  EXPECT_EQ(grouped->FrameCount(), 2u);
  EXPECT_EQ(At(*grouped, 0, 0), kWhite);

  // The frames are the first stream's, and so is the format they are read with.
  const std::optional<AnimationClip> twoStreams = AnimationClip::Read(
      ClipFile(format, {Le32(kWhite)}, 500000,
               ClipList("strl", StreamHeader("vids") + PictureFormat(2, 2, 24, 0))));
  ASSERT_TRUE(twoStreams);
  EXPECT_EQ(twoStreams->Width(), 1);
  EXPECT_EQ(At(*twoStreams, 0, 0), kWhite);

  const std::string good = ClipFile(format, {Le32(kWhite)});
  ASSERT_TRUE(AnimationClip::Read(good));
  const std::string sound = ClipList("strl", StreamHeader("auds") + ClipChunk("strf", "xx"));
  const std::vector<std::string> unplayable = {
      "",
      std::string("RIFF\4\0\0\0WAVE", 12),
      good.substr(0, good.size() - 2),                      // the last frame cut short
      ClipFile(format, {}),                                 // no frame
      ClipFile(format, {Le32(kWhite)}, 500000, sound),      // a clip with sound
      ClipFile(PictureFormat(1, 1, 32, 3), {Le32(0)}),      // bit fields
      ClipFile(PictureFormat(1, 1, 24, 0x64697663), {""}),  // a codec's
      ClipFile(PictureFormat(2, 1, 4, 0, {kRed}), {Le32(0)}),
      ClipFile(PictureFormat(1, 1, 8, 0), {Le32(0)}),  // 256 colours missing
      ClipFile(PictureFormat(1, -1, 8, 1, {kRed}),
               {std::string("\0\1", 2)}),                    // run lengths top down
      ClipFile(PictureFormat(100000, 1, 32, 0), {Le32(0)}),  // larger than any box
      ClipFile(PictureFormat(1, -100000, 32, 0), {Le32(0)}),
      ClipFile(LongerHeaderThanItsChunk(), {Le32(0)}),
      ClipFile(PictureFormat(0, 1, 32, 0), {Le32(0)}),
  };
  for (const std::string& bytes : unplayable) {
    EXPECT_FALSE(AnimationClip::Read(bytes)) << ::testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace zorvat
