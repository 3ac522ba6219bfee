#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ModalGate.h"
#include "support/ScriptedPrompts.h"

namespace zorvat {
namespace {

constexpr int kRestore = 1;
constexpr int kExit = 2;
constexpr int kAlwaysAllowed[] = {kRestore};

class ModalGateTest : public ::testing::Test {
 protected:
  ModalGateTest() {
    gate.Attach({kAlwaysAllowed, [this] { ++broughtToFront; }, [this] { ++listsWaiting; }});
  }

  ModalGate gate;
  testing::ScriptedPrompts boxes;
  GatedPrompts prompts{gate, boxes};
  int broughtToFront = 0;
  int listsWaiting = 0;
  std::vector<int> ran;
};

// A box opened by anyone through the gated prompts holds back the commands outside the table,
// and closes; the table's commands and ticks go on. After the box, everything runs again.
TEST_F(ModalGateTest, WhileABoxIsOpenOnlyTheTablesCommandsAndTicksRun) {
  boxes.onShow = [this](const auto&) {
    EXPECT_TRUE(gate.Open());
    EXPECT_FALSE(gate.Command(kExit, [this] { ran.push_back(kExit); }));
    EXPECT_FALSE(gate.Pass([this] { ran.push_back(0); }));
    EXPECT_TRUE(gate.Command(kRestore, [this] { ran.push_back(kRestore); }));
    gate.Count([this] { ran.push_back(9); });
  };
  prompts.Inform("Brumsel! Zorvat", "Waiting: Yes");
  EXPECT_FALSE(gate.Open());
  EXPECT_EQ(ran, (std::vector<int>{kRestore, 9}));
  EXPECT_EQ(broughtToFront, 2);

  EXPECT_TRUE(gate.Command(kExit, [this] { ran.push_back(kExit); }));
  EXPECT_EQ(ran.back(), kExit);
}

// A command that opens a dialog is a spell itself: a second one while it runs is held.
TEST_F(ModalGateTest, ACommandThatRunsHoldsTheNext) {
  gate.Command(kExit, [this] { EXPECT_FALSE(gate.Command(kExit, [this] { ran.push_back(1); })); });
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(broughtToFront, 1);
}

// Lists handed over during nested spells wait, in their order, until the last one ends; the
// owner hears it once.
TEST_F(ModalGateTest, HandedOverListsWaitForTheLastSpellAndKeepTheirOrder) {
  gate.Count([this] {
    gate.HandOver("a.zrl");
    gate.Count([this] { gate.HandOver("b.zrl"); });
    EXPECT_EQ(listsWaiting, 0);
    EXPECT_EQ(gate.NextHandedOver(), std::nullopt);
  });
  EXPECT_EQ(listsWaiting, 1);
  EXPECT_EQ(gate.NextHandedOver(), "a.zrl");
  EXPECT_EQ(gate.NextHandedOver(), "b.zrl");
  EXPECT_EQ(gate.NextHandedOver(), std::nullopt);
}

// A step that throws still closes its spell.
TEST_F(ModalGateTest, AThrowingStepClosesItsSpell) {
  EXPECT_THROW(gate.Count([] { throw std::runtime_error("x"); }), std::runtime_error);
  EXPECT_FALSE(gate.Open());
}

}  // namespace
}  // namespace zorvat
