#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/SingleInstance.h"
#include "shellkit/WideText.h"
#include "win/WinTestSupport.h"

namespace zorvat {
namespace {

using zorvat::testing::WaitFor;

std::wstring OwnName() {
  return L"ZorvatTest" + std::to_wstring(GetCurrentProcessId());
}

// Two copies in one process: the second hands its file over while the first is still starting
// (its message loop runs, as a box's does); the first keeps the files until it can take them
// and opens them from its message loop, not inside the second's call.
TEST(SingleInstance, ALaterStartHandsItsFileToTheRunningCopy) {
  SingleInstance running(OwnName());
  ASSERT_TRUE(running.First());
  running.Listen();
  std::vector<std::string> heard;

  SingleInstance later(OwnName());
  EXPECT_FALSE(later.First());
  ASSERT_TRUE(
      later.HandOver("C:\\Listen\\M\xc3\xbc"
                     "ll.zrl"));
  ASSERT_TRUE(later.HandOver(""));
  EXPECT_FALSE(WaitFor([&] { return !heard.empty(); }, 300));
  running.DeliverTo([&](const std::string& file) { heard.push_back(file); });
  EXPECT_TRUE(heard.empty());
  EXPECT_TRUE(WaitFor([&] { return heard.size() == 2; }, 2000));
  EXPECT_EQ(heard, (std::vector<std::string>{"C:\\Listen\\M\xc3\xbc"
                                             "ll.zrl",
                                             ""}));
}

TEST(SingleInstance, NobodyListeningIsReportedAfterTheWait) {
  SingleInstance running(OwnName() + L"-deaf");
  SingleInstance later(OwnName() + L"-deaf");
  EXPECT_FALSE(later.First());
  EXPECT_FALSE(later.HandOver("x.zrl", 200));
}

TEST(SingleInstance, TheArgumentIsMadeAFullPathForTheRunningCopy) {
  wchar_t folder[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);
  std::string expected = Narrow(folder);
  if (expected.back() != '\\') {
    expected += '\\';
  }
  EXPECT_EQ(ListFileArgument(L"Zorvat.exe \"Meine Liste.zrl\""), expected + "Meine Liste.zrl");
  EXPECT_EQ(ListFileArgument(L"\"C:\\Program Files\\Zorvat.exe\" \"D:\\a b\\c.zrl\""),
            "D:\\a b\\c.zrl");
  EXPECT_EQ(ListFileArgument(L"\"C:\\Program Files\\Zorvat.exe\""), "");
}

}  // namespace
}  // namespace zorvat
