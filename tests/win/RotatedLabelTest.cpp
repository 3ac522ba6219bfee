#include "ui/RotatedLabel.h"

#include <gtest/gtest.h>

#include <string>

#include "shellkit/Handles.h"
#include "support/ScriptedPrompts.h"

namespace zorvat::ui {
namespace {

TEST(LayoutRotatedText, TurnsTheTextBoxAboutTheCentreCuttingEachProductTowardZero) {
  // Caption and blanks 100 wide; the caption 41 x 15, so its halves are 20 and 7, and the box
  // around it (48 x 20) has halves 24 and 10.
  const struct {
    int degrees;
    RotatedTextLayout layout;
  } cases[] = {
      {0, {100, {30, 43}, {{{26, 40}, {74, 40}, {74, 60}, {26, 60}}}}},
      // Reading upwards: the start half a text width below the centre, half a height left of it.
      {90, {100, {43, 70}, {{{40, 74}, {40, 26}, {60, 26}, {60, 74}}}}},
      // cos 135 is negative: 20 * -0.707 is cut to -14, not floored to -15.
      {135, {100, {60, 68}, {{{59, 73}, {27, 41}, {41, 27}, {73, 59}}}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LayoutRotatedText(100, 41, 15, AngleTurn::Of(c.degrees)), c.layout) << c.degrees;
  }
  // An odd side has its centre at the integer half.
  EXPECT_EQ(LayoutRotatedText(101, 41, 15, AngleTurn::Of(0)).origin, (LabelPoint{30, 43}));
}

class RotatedLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr,
                             nullptr);
    ASSERT_TRUE(parent);
  }
  void TearDown() override { DestroyWindow(parent); }

  HWND parent = nullptr;
  zorvat::testing::ScriptedPrompts prompts;
  shellkit::Font font{
      CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial")};
};

TEST_F(RotatedLabelTest, IsASquareAsWideAsTheCaptionAndThreeBlanksAroundItsCentre) {
  RotatedLabel label(prompts, parent, {11, 60});
  label.SetFont(font.get());
  label.SetCaption("Kaldmoor Inc.");
  label.SetAngle(90);
  SIZE padded{};
  {
    const shellkit::WindowDc dc(parent);
    const shellkit::SelectionGuard selected(dc.get(), font.get());
    GetTextExtentPoint32W(dc.get(), L"Kaldmoor Inc.   ", 16, &padded);
  }
  RECT rect{};
  GetWindowRect(label.Handle(), &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_GT(padded.cx, 50);
  EXPECT_EQ(rect.right - rect.left, padded.cx);
  EXPECT_EQ(rect.bottom - rect.top, padded.cx);
  EXPECT_EQ(rect.left, 11 - padded.cx / 2);
  EXPECT_EQ(rect.top, 60 - padded.cx / 2);
}

TEST_F(RotatedLabelTest, TheSameAngleAgainRepaintsNothing) {
  ShowWindow(parent, SW_SHOWNOACTIVATE);
  RotatedLabel label(prompts, parent, {50, 50});
  label.SetAngle(90);
  UpdateWindow(parent);
  ASSERT_FALSE(GetUpdateRect(label.Handle(), nullptr, FALSE));

  label.SetAngle(90);
  EXPECT_FALSE(GetUpdateRect(label.Handle(), nullptr, FALSE));
  label.SetAngle(45);
  EXPECT_TRUE(GetUpdateRect(label.Handle(), nullptr, FALSE));
  EXPECT_EQ(label.Angle(), 45);
}

}  // namespace
}  // namespace zorvat::ui
