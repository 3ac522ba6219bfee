// What every layer reads from the table of task kinds, across the layers.
#include <gtest/gtest.h>

#include <string>

#include "events/EventRows.h"
#include "events/ListFile.h"
#include "events/TaskKinds.h"
#include "scheduler/Occurrences.h"
#include "scheduler/TaskActions.h"
#include "scheduler/TaskMessages.h"

namespace zorvat {
namespace {

// A file may carry any code; one without a kind comes back as it was written and does nothing.
TEST(TaskKinds, ACodeWithoutAKindIsKeptByTheFileAndRefusedByEveryReader) {
  // The first code after the table, one further on, and the cleared slot's.
  for (const int code : {static_cast<int>(kTaskKinds.size()), 200, 255}) {
    const std::string line = "08:00:00=" + std::to_string(code) + "|a.txt|b.txt|1|1\r\n";
    const ListFileContents read =
        ParseListFile("[Daily]\r\n" + line, RegionalFormats::DeDe(), 2026);
    ASSERT_TRUE(read.Complete()) << code;
    const Task& task = read.lists[EventKind::Daily][0].task;
    EXPECT_EQ(task.command, code);
    EXPECT_NE(EncodeListFile(read.lists, RegionalFormats::DeDe()).find(line), std::string::npos)
        << code;

    EXPECT_EQ(FindTaskKind(task.command), nullptr) << code;
    EXPECT_EQ(DescribeEvent(task.command, task.operand1, task.operand2), "[Unknown]") << code;
    EXPECT_EQ(RowIconFor(task.command, task.operand1), std::nullopt) << code;
    EXPECT_EQ(ConfirmationText(task), std::nullopt) << code;
    EXPECT_EQ(LateKindOf(task.command), LateKind::Never) << code;
    EXPECT_FALSE(HasAction(task.command)) << code;
  }
}

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
