#include <gtest/gtest.h>

#include <string>

#include "events/CommandChoices.h"
#include "scheduler/TaskActions.h"

namespace zorvat {
namespace {

// What the display dialog offers, the display action must understand.
TEST(DisplayChoices, EveryOfferedModeIsUnderstood) {
  for (std::string_view resolution : kResolutionChoices) {
    for (std::string_view depth : kColourDepthChoices) {
      const std::optional<DisplayMode> mode =
          ParseDisplayMode(std::string(resolution), std::string(depth));
      ASSERT_TRUE(mode) << resolution << " / " << depth;
      EXPECT_EQ(std::to_string(mode->width), resolution.substr(0, resolution.find(' ')));
      EXPECT_EQ(std::to_string(mode->depth), depth.substr(0, depth.find(' ')));
    }
  }
}

}  // namespace
}  // namespace zorvat
