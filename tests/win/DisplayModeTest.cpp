#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

#include "shellkit/DisplayMode.h"

namespace zorvat::shellkit {
namespace {

constexpr DWORD kAllFields = 0x3C0000;

struct RecordedChange {
  std::optional<DEVMODEW> mode;
  std::optional<DWORD> flags;
  LONG answer = DISP_CHANGE_SUCCESSFUL;

  ChangeDisplaySettingsCall Call() {
    return [this](DEVMODEW& requested, DWORD requestedFlags) {
      mode = requested;
      flags = requestedFlags;
      return answer;
    };
  }
};

TEST(SetDisplayMode, AsksForTheTablesHeightAndTheDepthOnly) {
  RecordedChange change;
  EXPECT_EQ(SetDisplayMode(1024, 16, 1, change.Call()), 0);
  ASSERT_TRUE(change.mode);
  const DEVMODEW& m = *change.mode;
  EXPECT_EQ(m.dmSize, sizeof(DEVMODEW));
  EXPECT_EQ(m.dmFields, kAllFields);
  EXPECT_EQ(m.dmPelsWidth, 1024u);
  EXPECT_EQ(m.dmPelsHeight, 768u);
  EXPECT_EQ(m.dmBitsPerPel, 16u);
  EXPECT_EQ(m.dmDisplayFlags, 0u);
  EXPECT_EQ(m.dmDisplayFrequency, 0u);
  EXPECT_EQ(*change.flags, 0u);
}

TEST(SetDisplayMode, KnowsSixWidthsAndFiveDepths) {
  const struct {
    int width;
    std::uint8_t depth;
    DWORD pelsWidth, pelsHeight, bits;
  } cases[] = {{640, 4, 640, 480, 4},
               {800, 8, 800, 600, 8},
               {1152, 24, 1152, 864, 24},
               {1280, 32, 1280, 1024, 32},
               {1600, 16, 1600, 1200, 16},
               {1000, 15, 0, 0, 0},
               {0, 0, 0, 0, 0},
               {-640, 255, 0, 0, 0}};
  for (const auto& c : cases) {
    RecordedChange change;
    SetDisplayMode(c.width, c.depth, 1, change.Call());
    ASSERT_TRUE(change.mode) << c.width;
    EXPECT_EQ(change.mode->dmFields, kAllFields) << c.width;
    EXPECT_EQ(change.mode->dmPelsWidth, c.pelsWidth) << c.width;
    EXPECT_EQ(change.mode->dmPelsHeight, c.pelsHeight) << c.width;
    EXPECT_EQ(change.mode->dmBitsPerPel, c.bits) << c.width;
  }
}

TEST(SetDisplayMode, ModeChoosesStoringTestingOrGoingBack) {
  RecordedChange stored;
  SetDisplayMode(800, 24, 2, stored.Call());
  EXPECT_EQ(*stored.flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
  EXPECT_EQ(stored.mode->dmPelsWidth, 800u);

  RecordedChange tested;
  SetDisplayMode(800, 24, 3, tested.Call());
  EXPECT_EQ(*tested.flags, static_cast<DWORD>(CDS_TEST));

  RecordedChange back;
  SetDisplayMode(800, 24, 4, back.Call());
  EXPECT_EQ(*back.flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
  EXPECT_EQ(back.mode->dmFields, kAllFields);
  EXPECT_EQ(back.mode->dmPelsWidth, 0u);
  EXPECT_EQ(back.mode->dmPelsHeight, 0u);
  EXPECT_EQ(back.mode->dmBitsPerPel, 0u);

  for (const std::uint8_t mode : {0, 5, 255}) {
    RecordedChange none;
    EXPECT_EQ(SetDisplayMode(800, 24, mode, none.Call()), -1);
    EXPECT_FALSE(none.mode) << "mode " << int{mode};
  }
}

TEST(SetDisplayMode, TranslatesTheSystemsAnswer) {
  const struct {
    LONG answer;
    std::int32_t result;
  } cases[] = {
      {DISP_CHANGE_SUCCESSFUL, 0}, {DISP_CHANGE_RESTART, 1},      {DISP_CHANGE_NOTUPDATED, 2},
      {DISP_CHANGE_BADFLAGS, 3},   {DISP_CHANGE_FAILED, 3},       {DISP_CHANGE_BADMODE, 3},
      {DISP_CHANGE_BADPARAM, -1},  {DISP_CHANGE_BADDUALVIEW, -1}, {7, -1}};
  for (const auto& c : cases) {
    RecordedChange change;
    change.answer = c.answer;
    EXPECT_EQ(SetDisplayMode(1024, 16, 1, change.Call()), c.result) << c.answer;
  }
}

// The one real call: CDS_TEST changes nothing.
TEST(SetDisplayMode, SystemAcceptsTheCurrentModeAndRefusesFourBitsWhenOnlyAskedToTest) {
  DEVMODEW current{};
  current.dmSize = sizeof(current);
  ASSERT_TRUE(EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &current));
  const std::pair<DWORD, DWORD> table[] = {{640, 480},  {800, 600},   {1024, 768},
                                           {1152, 864}, {1280, 1024}, {1600, 1200}};
  const std::pair<DWORD, DWORD> size{current.dmPelsWidth, current.dmPelsHeight};
  if (std::find(std::begin(table), std::end(table), size) == std::end(table)) {
    GTEST_SKIP() << "the display runs at " << size.first << " x " << size.second
                 << ", which is not in the table";
  }
  const int width = static_cast<int>(current.dmPelsWidth);
  EXPECT_EQ(SetDisplayMode(width, static_cast<std::uint8_t>(current.dmBitsPerPel), 3), 0);
  EXPECT_EQ(SetDisplayMode(width, 4, 3), 3);
}

}  // namespace
}  // namespace zorvat::shellkit
