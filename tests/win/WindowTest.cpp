#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/Error.h"
#include "support/ScriptedPrompts.h"
#include "ui/Window.h"

namespace zorvat::ui {
namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kForward = WM_APP + 2;
constexpr UINT kFault = WM_APP + 3;

// Throws on kThrow; on kForward sends kThrow to `next` and carries on.
class ProbeWindow final : public Window {
 public:
  ProbeWindow(Prompts& errors, HWND next) : Window(errors), next_(next) {
    Create(L"ZorvatProbeWindow", 0, L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr);
  }
  ~ProbeWindow() override { Destroy(); }
  int forwarded = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kThrow) {
      throw Error("Unable to write to C:\\x.zrl");
    }
    if (message == kFault) {
      throw std::length_error("vector::reserve");
    }
    if (message == kForward) {
      SendMessageW(next_, kThrow, 0, 0);
      ++forwarded;
      return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
  }

 private:
  HWND next_;
};

// The error ends the handler that raised it and shows one box, also when that handler ran
// inside another window's handler, which then goes on.
TEST(WindowBoundary, AnErrorShowsOneBoxWhereItWasRaised) {
  testing::ScriptedPrompts prompts;
  ProbeWindow inner(prompts, nullptr);
  ProbeWindow outer(prompts, inner.Handle());
  SendMessageW(outer.Handle(), kForward, 0, 0);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].title, "Brumsel! Zorvat");
  EXPECT_EQ(prompts.shown[0].text, "Unable to write to C:\\x.zrl.");
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
  EXPECT_EQ(outer.forwarded, 1);
}

// Any other exception is a fault, but it must not unwind through the system's dispatch either:
// it is shown once with its text, and the window goes on handling messages.
TEST(WindowBoundary, AnyOtherExceptionShowsOneBoxAndTheWindowLivesOn) {
  testing::ScriptedPrompts prompts;
  ProbeWindow inner(prompts, nullptr);
  ProbeWindow outer(prompts, inner.Handle());
  EXPECT_EQ(SendMessageW(inner.Handle(), kFault, 0, 0), 0);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "vector::reserve.");
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
  ASSERT_TRUE(IsWindow(inner.Handle()));
  SendMessageW(outer.Handle(), kForward, 0, 0);
  EXPECT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(outer.forwarded, 1);
}

}  // namespace
}  // namespace zorvat::ui
