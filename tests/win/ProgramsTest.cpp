#include <windows.h>

#include <gtest/gtest.h>

#include "shellkit/Programs.h"
#include "support/TempFolder.h"
#include "win/WinTestSupport.h"

namespace zorvat::shellkit {
namespace {

using zorvat::testing::ReadBytes;
using zorvat::testing::TempFolder;
using zorvat::testing::WaitFor;
using zorvat::testing::WriteBytes;

TEST(ProgramOpenRequest, OpensInTheProgramsFolderInANormalWindow) {
  EXPECT_EQ(ProgramOpenRequest("C:\\Tools\\app.exe", "-x \"a b\""),
            (ShellOpenRequest{"C:\\Tools\\app.exe", "-x \"a b\"", "C:\\Tools", SW_SHOWNORMAL}));
  // The file manager by its bare name: the shell picks the folder.
  EXPECT_EQ(ProgramOpenRequest("explorer", ""),
            (ShellOpenRequest{"explorer", "", "", SW_SHOWNORMAL}));
}

TEST(StartProgramWithParameters, RunsTheProgramWithItsParametersInItsFolder) {
  TempFolder temp;
  const std::string script = temp.File("probe.bat");
  // Writes the working folder and the first parameter beside itself.
  WriteBytes(script,
             "@echo off\r\ncd > where.tmp\r\necho %1>> where.tmp\r\nmove where.tmp where.txt\r\n");
  StartProgramWithParameters(script, "hello");
  const std::string result = temp.File("where.txt");
  ASSERT_TRUE(WaitFor([&] { return zorvat::testing::PathExists(result); }, 20000))
      << "the script did not run";
  EXPECT_EQ(ReadBytes(result), temp.Path() + "\r\nhello\r\n");
}

}  // namespace
}  // namespace zorvat::shellkit
