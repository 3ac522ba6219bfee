#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <vector>

#include "scheduler/MissedEventRows.h"
#include "scheduler/WaitingTaskRows.h"

namespace zorvat {
namespace {

TEST(WaitingTaskRows, FreshStacksShowNumberedEmptyRowsAndFreeSlots) {
  const auto hot = HotStackRows(HotStack{}, RegionalFormats::DeDe());
  EXPECT_EQ(hot.front(), (HotStackRow{"#0", "", "", "", ""}));
  EXPECT_EQ(hot.back(), (HotStackRow{"#59", "", "", "", ""}));
  for (const ExecuteStackRow& row : ExecuteStackRows(ExecuteStack{})) {
    EXPECT_EQ(row, (ExecuteStackRow{"", "255", "", "", "Yes"}));
  }
}

TEST(WaitingTaskRows, AnEntryWhileItWaitsAndAfterItIsHandedOn) {
  const DateTime now = EncodeDateTime({2026, 12, 7}, {10, 5, 0, 0});
  const Task task{EncodeDateTime({2026, 12, 7}, {10, 5, 30, 0}), kCmdCopyFile, "C:\\a", "D:\\b",
                  true};
  HotStack hot;
  ExecuteStack execute;
  ASSERT_EQ(hot.Add(task, now), HotStack::AddResult::Filed);
  ASSERT_TRUE(execute.Add(task));
  EXPECT_EQ(HotStackRows(hot, RegionalFormats::DeDe())[0],
            (HotStackRow{"#0", "10:05:30", "3", "C:\\a", "D:\\b"}));
  EXPECT_EQ(HotEntryWaitingText(hot, 0), "Waiting: Yes");
  EXPECT_EQ(ExecuteStackRows(execute)[0], (ExecuteStackRow{"", "3", "C:\\a", "D:\\b", "Doh!"}));

  hot.Release(0, task.time);
  execute.Take(0);
  EXPECT_EQ(HotStackRows(hot, RegionalFormats::DeDe())[0], (HotStackRow{"#0", "", "", "", ""}));
  EXPECT_EQ(HotEntryWaitingText(hot, 0), "Waiting: Doh!");
  EXPECT_EQ(ExecuteStackRows(execute)[0], (ExecuteStackRow{"", "3", "C:\\a", "D:\\b", "Yes"}));
}

// A column without a cell of its own would show nothing, or another column's text.
template <typename Row>
void ExpectEveryColumnHasACellOfItsOwn(std::span<const RowColumn<Row>> columns) {
  std::vector<std::string Row::*> cells;
  for (const RowColumn<Row>& column : columns) {
    EXPECT_FALSE(column.header.caption.empty());
    EXPECT_GT(column.header.width, 0) << column.header.caption;
    EXPECT_NE(column.cell, nullptr) << column.header.caption;
    EXPECT_EQ(std::count(cells.begin(), cells.end(), column.cell), 0) << column.header.caption;
    cells.push_back(column.cell);
  }
}

TEST(RowColumns, EveryColumnHasACaptionAWidthAndACellOfItsOwn) {
  ExpectEveryColumnHasACellOfItsOwn(HotStackColumns());
  ExpectEveryColumnHasACellOfItsOwn(ExecuteStackColumns());
  ExpectEveryColumnHasACellOfItsOwn(MissedEventColumns());
}

}  // namespace
}  // namespace zorvat
