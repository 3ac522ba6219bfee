#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "events/EventLists.h"
#include "events/EventRows.h"

namespace zorvat {
namespace {

struct DescribeCase {
  int command;
  const char* op1;
  const char* op2;
  const char* text;
};

TEST(DescribeEvent, EveryCommand) {
  const DescribeCase cases[] = {
      {0, "Hello", "ignored", "Message: \"Hello\""},
      {1, "C:\\a.wav", "", "Alert"},
      {2, "C:\\Tools\\r.exe", "/monthly",
       "AppStart: \"C:\\Tools\\r.exe\" (Parameter: \"/monthly\")"},
      {2, "notepad.exe", "", "AppStart: \"notepad.exe\" (Parameter: \"\")"},
      {3, "C:\\a", "D:\\b", "Copy file, from \"C:\\a\" to \"D:\\b\""},
      {4, "C:\\a", "C:\\c", "Rename file, from \"C:\\a\" to \"C:\\c\""},
      {5, "C:\\x.tmp", "C:\\x.tmp", "Delete file: \"C:\\x.tmp\""},
      {6, "a", "b", "Exit Windows"},
      {7, "", "", "Turn off computer"},
      {8, "", "", "Reboot"},
      {9, "", "", "MS-DOS-Mode"},
      {10, "", "", "Log off user"},
      {11, "1024 x 768 Pixel", "8 bit (256 colours)",
       "Change display resolution in 1024 x 768 Pixel and 8 bit (256 colours)"},
      {12, "x", "y", "[Unknown]"},
      {44, "", "", "[Unknown]"},
      {255, "", "", "[Unknown]"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DescribeEvent(static_cast<std::uint8_t>(c.command), c.op1, c.op2), c.text)
        << "command " << c.command;
  }
}

TEST(RowIconFor, KindIconsFileIconsAndNone) {
  EXPECT_EQ(RowIconFor(0, "x"), RowIcon::Kind(9));
  EXPECT_EQ(RowIconFor(1, "x"), RowIcon::Kind(12));
  for (std::uint8_t command : {2, 3, 4, 5}) {
    EXPECT_EQ(RowIconFor(command, "C:\\Data\\work.mdb"), RowIcon::OfFile("C:\\Data\\work.mdb"));
  }
  EXPECT_EQ(RowIconFor(6, ""), RowIcon::Kind(2));
  EXPECT_EQ(RowIconFor(7, ""), RowIcon::Kind(2));
  EXPECT_EQ(RowIconFor(11, ""), RowIcon::Kind(2));
  EXPECT_EQ(RowIconFor(8, ""), RowIcon::Kind(8));
  EXPECT_EQ(RowIconFor(9, ""), RowIcon::Kind(3));
  EXPECT_EQ(RowIconFor(10, ""), RowIcon::Kind(4));
  for (std::uint8_t command : {12, 13, 200, 255}) {
    EXPECT_EQ(RowIconFor(command, "C:\\x"), std::nullopt);
  }
}

TEST(EventRows, UnknownCommandKeepsTheRowsIcon) {
  EventRows rows;
  ASSERT_TRUE(rows.Append({}));
  rows.SetRowIcon(0, kCmdReboot, "");
  rows.SetRowIcon(0, kCmdControlPanel, "");
  EXPECT_EQ(rows[0].icon, RowIcon::Kind(8));
  rows.SetRowIcon(0, kCmdCopyFile, "C:\\a");
  EXPECT_EQ(rows[0].icon, RowIcon::OfFile("C:\\a"));
}

TEST(EventRows, HoldNoMoreThanAList) {
  EventRows rows;
  for (std::size_t i = 0; i < EventList::kCapacity; ++i) {
    ASSERT_TRUE(rows.Append({}));
  }
  EXPECT_FALSE(rows.Append({}));
  EXPECT_EQ(rows.Count(), EventList::kCapacity);
  EXPECT_THROW(rows[EventList::kCapacity], std::out_of_range);
}

TEST(RowFor, CaptionsInBothRegionalSets) {
  const RegionalFormats us = RegionalFormats::EnUs();
  const RegionalFormats de = RegionalFormats::DeDe();
  EventRecord record{EncodeDateTime({1998, 12, 24}, {18, 30, 0, 0}),
                     kCmdMessage,
                     "Dinner",
                     "",
                     false,
                     true,
                     false};
  EXPECT_EQ(RowFor(EventKind::General, record, de).caption, "24.12.1998 18:30:00");
  EXPECT_EQ(RowFor(EventKind::General, record, us).caption, "12/24/1998 6:30:00 PM");
  EXPECT_EQ(RowFor(EventKind::Daily, record, us).caption, "6:30:00 PM");
  EXPECT_EQ(RowFor(EventKind::Monthly, record, de).caption, "18:30:00");
  record.Time = EncodeDate(1998, 12, 24);
  EXPECT_EQ(RowFor(EventKind::General, record, de).caption, "24.12.1998");
  EXPECT_EQ(RowFor(EventKind::Weekly, record, de).caption, "00:00:00");
}

TEST(RowFor, TextsCheckAndIconFollowTheRecord) {
  const EventRecord record{0.5, kCmdCopyFile, "C:\\a", "D:\\b", true, false, false};
  const EventRow row = RowFor(EventKind::Daily, record, RegionalFormats::DeDe());
  EXPECT_EQ(row, (EventRow{"12:00:00", "Copy file, from \"C:\\a\" to \"D:\\b\"", "Yes", false,
                           RowIcon::OfFile("C:\\a")}));
  const EventRecord unknown{0.5, 99, "", "", false, true, false};
  EXPECT_EQ(RowFor(EventKind::Daily, unknown, RegionalFormats::DeDe()),
            (EventRow{"12:00:00", "[Unknown]", "No", true, RowIcon{}}));
}

TEST(CheckOperand, BarsAndLineBreaksCannotBeStored) {
  for (const char* bad : {"a|b", "|", "line\r\nbreak", "cr\ronly", "lf\nonly"}) {
    EXPECT_EQ(CheckOperand(bad), std::string(kUnstorableOperandMessage)) << bad;
  }
  for (const char* good :
       {"", "C:\\Program Files\\x.exe", "a = b; [c] \"d\"", "\t x \t", "Gr\xC3\xBC\xC3\x9F"}) {
    EXPECT_EQ(CheckOperand(good), std::nullopt) << good;
  }
  EXPECT_EQ(kUnstorableOperandMessage,
            "Brumsel! Zorvat\n\nThe character \"|\" and line breaks cannot be stored in an event.");
}

TEST(EventList, ClearStampsUsedSlotsAndAppendStartsAgain) {
  EventList list;
  ASSERT_TRUE(list.Append({1.5, kCmdAlert, "a.wav", "", true, true, false}));
  ASSERT_TRUE(list.Append({2.5, kCmdMessage, "b", "", false, true, true}));
  list.Clear(45000.25);
  EXPECT_EQ(list.Count(), 0u);
  for (std::size_t i : {0, 1}) {
    EXPECT_EQ(list[i], (EventRecord{45000.25, kCmdCleared, "", "", false, false, true}));
  }
  ASSERT_TRUE(list.Append({3.5, kCmdReboot, "", "", false, true, false}));
  EXPECT_EQ(list[0].Command, kCmdReboot);
  EXPECT_EQ(list[1].Command, kCmdCleared);
}

TEST(EventList, AppendRefusesPastTheLastSlot) {
  EventList list;
  for (std::size_t i = 0; i < EventList::kCapacity; ++i) {
    ASSERT_TRUE(list.Append({static_cast<double>(i), kCmdMessage, "", "", false, true, false}));
  }
  EXPECT_TRUE(list.Full());
  EXPECT_FALSE(list.Append({}));
  EXPECT_EQ(list.Count(), EventList::kCapacity);
  EXPECT_EQ(list[255].Time, 255.0);
}

}  // namespace
}  // namespace zorvat
