#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

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

std::string FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH];
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  return Narrow(std::wstring_view(full, length));
}

// The system's own splitting is the measure: a file given by Explorer, a shortcut or a prompt
// must reach the running copy as the same path.
TEST(SingleInstance, TheArgumentIsSplitAsTheSystemSplitsItAndMadeAFullPath) {
  const std::vector<std::wstring> lines = {
      L"Zorvat.exe \"Meine Liste.zrl\"",
      L"\"C:\\Program Files\\Zorvat.exe\" \"D:\\a b\\c.zrl\"",
      L"Zorvat.exe \t  D:\\liste.zrl zweite.zrl",
      L"\"C:\\x y\\Zorvat.exe\"D:\\gleich.zrl",
      L"Zorvat.exe \"D:\\Ordner\\\\\" rest",
      L"Zorvat.exe D:\\a\\\"b c.zrl",
      L"Zorvat.exe D:\\a\\\\\\\"b\" c\".zrl",
      L"Zorvat.exe \"D:\\ohne Ende.zrl",
      L"Zorvat.exe D:\\Liste.zrl\\\\",
  };
  for (const std::wstring& line : lines) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(line.c_str(), &count);
    ASSERT_NE(arguments, nullptr);
    ASSERT_GE(count, 2);
    const std::string expected = FullPath(arguments[1]);
    LocalFree(arguments);
    EXPECT_EQ(ListFileArgument(line.c_str()), expected) << Narrow(line);
  }
  EXPECT_EQ(ListFileArgument(L"\"C:\\Program Files\\Zorvat.exe\""), "");
  EXPECT_EQ(ListFileArgument(L"\"C:\\Program Files\\Zorvat.exe\" \"\""), "");
  // A program name whose quote never closes takes the whole line: no list.
  EXPECT_EQ(ListFileArgument(L"\"C:\\Program Files\\Zorvat.exe D:\\liste.zrl"), "");
}

}  // namespace
}  // namespace zorvat
