#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "base/Error.h"
#include "base/ErrorBoundary.h"
#include "support/ScriptedPrompts.h"

namespace zorvat {
namespace {

// A step that fails ends alone: its box is shown once and the steps after it run.
TEST(ErrorBoundary, AFailingStepShowsItsBoxOnceAndTheNextStepsRun) {
  testing::ScriptedPrompts prompts;
  std::vector<int> ran;
  const std::vector<std::function<void()>> steps = {
      [&] { ran.push_back(1); },
      [&] {
        ran.push_back(2);
        throw Error("Failed to create key SOFTWARE\\Kaldmoor Inc.\\Zorvat");
      },
      [&] { ran.push_back(3); },
  };
  std::vector<bool> results;
  results.reserve(steps.size());
  for (const auto& step : steps) {
    results.push_back(RunShowingErrors(prompts, step));
  }
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(results, (std::vector<bool>{true, false, true}));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "Failed to create key SOFTWARE\\Kaldmoor Inc.\\Zorvat.");
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);

  EXPECT_THROW(RunShowingErrors(prompts, [] { throw std::logic_error("fault"); }),
               std::logic_error);
  EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
}  // namespace zorvat
