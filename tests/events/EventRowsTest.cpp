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
      {3, "50%2", "%1", "Copy file, from \"50%2\" to \"%1\""},  // an operand's own "%2" stays
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

// Image i of the kind icon list, as the resources order them.
RowIcon KindImage(int i) {
  return {RowIcon::Source::KindIcon, i, {}};
}

TEST(RowIconFor, KindIconsFileIconsAndNone) {
  EXPECT_EQ(RowIconFor(0, "x"), KindImage(9));
  EXPECT_EQ(RowIconFor(1, "x"), KindImage(12));
  for (std::uint8_t command : {2, 3, 4, 5}) {
    EXPECT_EQ(RowIconFor(command, "C:\\Data\\work.mdb"), RowIcon::OfFile("C:\\Data\\work.mdb"));
  }
  EXPECT_EQ(RowIconFor(6, ""), KindImage(2));
  EXPECT_EQ(RowIconFor(7, ""), KindImage(2));
  EXPECT_EQ(RowIconFor(11, ""), KindImage(2));
  EXPECT_EQ(RowIconFor(8, ""), KindImage(8));
  EXPECT_EQ(RowIconFor(9, ""), KindImage(3));
  EXPECT_EQ(RowIconFor(10, ""), KindImage(4));
  // 12 has no icon of its own; the others have no kind, the first of them right after the table.
  for (const std::size_t command :
       {std::size_t{12}, kTaskKinds.size(), std::size_t{200}, std::size_t{255}}) {
    EXPECT_EQ(RowIconFor(static_cast<std::uint8_t>(command), "C:\\x"), std::nullopt) << command;
  }
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
  record.task.time = EncodeDate(1998, 12, 24);
  EXPECT_EQ(RowFor(EventKind::General, record, de).caption, "24.12.1998");
  EXPECT_EQ(RowFor(EventKind::Weekly, record, de).caption, "00:00:00");
}

TEST(CheckOperand, BarsAndLineBreaksCannotBeStored) {
  for (const char* bad : {"a|b", "|", "line\r\nbreak", "cr\ronly", "lf\nonly"}) {
    EXPECT_EQ(CheckOperand(bad), UnstorableOperandMessage()) << bad;
  }
  for (const char* good :
       {"", "C:\\Program Files\\x.exe", "a = b; [c] \"d\"", "\t x \t", "Gr\xC3\xBC\xC3\x9F"}) {
    EXPECT_EQ(CheckOperand(good), std::nullopt) << good;
  }
  EXPECT_EQ(UnstorableOperandMessage(),
            "Brumsel! Zorvat\n\nThe character \"|\" and line breaks cannot be stored in an event.");
}

// Longer texts would be cut on reading and shift the query and active fields.
TEST(CheckOperand, BothOperandsTogetherFitTheStoredValue) {
  const std::string half(1019, 'x');
  EXPECT_EQ(CheckOperands(half, half), std::nullopt);
  EXPECT_EQ(CheckOperands(half, half + "y"), OperandsTooLongMessage());
  const std::string umlauts = [] {
    std::string s;
    for (int i = 0; i < 1019; ++i)
      s += "\xC3\xBC";
    return s;
  }();
  EXPECT_EQ(CheckOperands(umlauts, half), std::nullopt);  // characters, not bytes
  EXPECT_EQ(CheckOperands("a|b", ""), UnstorableOperandMessage());
  EXPECT_EQ(CheckOperands("", "x\n"), UnstorableOperandMessage());
}

}  // namespace
}  // namespace zorvat
