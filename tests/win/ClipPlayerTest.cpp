#include "ui/ClipPlayer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "shellkit/Handles.h"
#include "support/ClipBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "win/ParentWindow.h"
#include "win/WinTestSupport.h"

namespace zorvat::ui {
namespace {

using namespace zorvat::testing;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;

// 4 × 2 at 32 bits, bottom row first; the top left is red in both frames.
std::string Frame(std::uint32_t colour) {
  return Le32(colour) + Le32(colour) + Le32(colour) + Le32(colour) + Le32(kRed) + Le32(colour) +
         Le32(colour) + Le32(colour);
}

class ClipPlayerTest : public ::testing::Test {
 protected:
  ClipPlayerTest() { MoveWindow(player.Handle(), 0, 0, kSide, kSide, FALSE); }

  // Blue, then green, a frame each 20 ms.
  void OpenTwoFrames() {
    player.Open(AnimationClip::Read(
        ClipFile(PictureFormat(4, 2, 32, 0), {Frame(kBlue), Frame(kGreen)}, 20000)));
  }

  // The player's pixels as it paints them, (x, y) from its top left, 0x00RRGGBB.
  std::uint32_t PaintedAt(int x, int y) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const shellkit::Bitmap canvas(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const shellkit::MemoryDc dc(CreateCompatibleDC(nullptr));
    const shellkit::SelectionGuard selected(dc.get(), canvas.get());
    SendMessageW(player.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    GdiFlush();
    return static_cast<const std::uint32_t*>(bits)[y * kSide + x] & 0xFFFFFF;
  }

  static constexpr int kSide = 8;
  static constexpr std::uint32_t behindRgb = 0xFFFFFF;
  ScriptedPrompts prompts;
  // What lies behind the box: static controls stand on white there.
  ParentWindow parent{prompts, 50, 50, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))};
  ClipPlayer player{prompts, parent.Handle(), 77};
};

TEST_F(ClipPlayerTest, ShowsTheFirstFrameCentredOnWhatLiesBehindIt) {
  EXPECT_EQ(PaintedAt(3, 3), behindRgb);  // no clip: the box stays empty
  OpenTwoFrames();
  ASSERT_TRUE(player.Clip());
  // The clip sits at (2, 3) .. (5, 4); its top left colour lets the background through.
  EXPECT_EQ(PaintedAt(2, 3), behindRgb);
  EXPECT_EQ(PaintedAt(3, 3), kBlue);
  EXPECT_EQ(PaintedAt(5, 4), kBlue);
  EXPECT_EQ(PaintedAt(1, 3), behindRgb);
  EXPECT_EQ(PaintedAt(3, 5), behindRgb);
  EXPECT_FALSE(player.Playing());
}

TEST_F(ClipPlayerTest, PlaysFrameAfterFrameUntilStoppedWhereItStands) {
  // Switched on before its clip comes, as at the program's start: it plays once the clip opens.
  player.Play(true);
  OpenTwoFrames();
  EXPECT_TRUE(WaitFor([&] { return PaintedAt(3, 3) == kGreen; }, 3000));
  EXPECT_TRUE(WaitFor([&] { return PaintedAt(3, 3) == kBlue; }, 3000));  // and round again
  EXPECT_TRUE(WaitFor([&] { return PaintedAt(3, 3) == kGreen; }, 3000));
  // Stopped at the second frame, it stays there, with no timer left to move it on.
  player.Play(false);
  EXPECT_EQ(player.Clip()->Frame(), 1u);
  EXPECT_EQ(PaintedAt(3, 3), kGreen);
  EXPECT_FALSE(KillTimer(player.Handle(), ClipPlayer::kFrameTimer));
  // Played again, it starts from the first frame.
  player.Play(true);
  EXPECT_EQ(player.Clip()->Frame(), 0u);
  EXPECT_EQ(PaintedAt(3, 3), kBlue);
  EXPECT_TRUE(WaitFor([&] { return PaintedAt(3, 3) == kGreen; }, 3000));
}

TEST(ReadAnimationClip, TakesTheFileOrElseTheSystemsClip) {
  TempFolder folder;
  const std::string file = folder.File("Seq01.dll");
  WriteBytes(file, ClipFile(PictureFormat(4, 2, 32, 0), {Frame(kBlue)}));
  const std::optional<AnimationClip> own = ReadAnimationClip(file);
  ASSERT_TRUE(own);
  EXPECT_EQ(own->Width(), 4);
  // A file that is no clip shows nothing, rather than some other clip.
  WriteBytes(file, "MZ not a clip");
  EXPECT_FALSE(ReadAnimationClip(file));
  const std::optional<AnimationClip> system = ReadAnimationClip(std::nullopt);
  ASSERT_TRUE(system);
  EXPECT_GE(system->FrameCount(), 1u);
}

}  // namespace
}  // namespace zorvat::ui
