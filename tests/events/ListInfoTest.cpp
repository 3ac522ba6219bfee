#include <gtest/gtest.h>

#include "events/ListInfo.h"

namespace zorvat {
namespace {

TEST(ListInfo, FolderKeepsItsSeparatorOnlyAtADrivesRoot) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"C:\\Lists\\week.zrl", "C:\\Lists"},
      {"C:\\week.zrl", "C:\\"},
      {"\\\\server\\share\\week.zrl", "\\\\server\\share"},
      {"D:week.zrl", "D:"},
      {"week.zrl", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
  }
}

// Removed events keep their slots until the list is loaded again, so they still count.
TEST(ListInfo, SizeInBytesAndTheCountsInMemory) {
  EventLists lists;
  for (int i = 0; i < 3; ++i) {
    lists[EventKind::General].Append(EventRecord{});
  }
  lists[EventKind::General].SetDeleted(1, true);
  lists[EventKind::Monthly].Append(EventRecord{});
  const ListInfoTexts texts =
      ComposeListInfo("C:\\Lib\\work.zrl", lists, "Zorvat list", "1234", "07.12.2026 10:00:00");
  EXPECT_EQ(texts.fileName, "work.zrl");
  EXPECT_EQ(texts.folder, "C:\\Lib");
  EXPECT_EQ(texts.size, "1234 bytes");
  EXPECT_EQ(texts.counts,
            (std::array<std::string, 4>{"3 entries", "0 entries", "0 entries", "1 entries"}));
}

}  // namespace
}  // namespace zorvat
