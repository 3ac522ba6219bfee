#include <windows.h>

#include <gtest/gtest.h>

#include "base/Error.h"
#include "support/ScriptedPrompts.h"
#include "ui/Window.h"

namespace zorvat::ui {
namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kForward = WM_APP + 2;

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

}  // namespace
}  // namespace zorvat::ui
