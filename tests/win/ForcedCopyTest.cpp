#include <windows.h>

#include <gtest/gtest.h>

#include "base/Error.h"
#include "shellkit/ForcedCopy.h"
#include "shellkit/Paths.h"
#include "support/TempFolder.h"
#include "win/WinTestSupport.h"

namespace zorvat::shellkit {
namespace {

using zorvat::testing::PathExists;
using zorvat::testing::ReadBytes;
using zorvat::testing::TempFolder;
using zorvat::testing::WriteBytes;

TEST(FolderPart, KeepsTheSeparatorOnlyAfterADriveOrAnotherSeparator) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {{"C:\\a\\b.txt", "C:\\a"},
               {"C:\\b.txt", "C:\\"},
               {"C:b.txt", "C:"},
               {"b.txt", ""},
               {"explorer", ""},
               {"\\b.txt", "\\"},
               {"\\\\server\\share\\b.txt", "\\\\server\\share"},
               {"C:\\a\\\\b.txt", "C:\\a\\\\"},
               {"C:\\a\\", "C:\\a"}};
  for (const auto& c : cases) {
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
  }
}

class CopyFileForcedTest : public ::testing::Test {
 protected:
  TempFolder temp;
};

TEST_F(CopyFileForcedTest, CreatesTheWholeFolderChainAndCopies) {
  const std::string source = temp.File(
      "Gr\xc3\xbc\xc3\x9f"
      "e.txt");
  WriteBytes(source, "hello");
  const std::string target = temp.File("a\\b \xc3\xa4\\c\\x.txt");
  CopyFileForced(source, target);
  EXPECT_EQ(ReadBytes(target), "hello");
  EXPECT_EQ(ReadBytes(source), "hello");
}

TEST_F(CopyFileForcedTest, ReplacesAnExistingTarget) {
  const std::string source = temp.File("new.txt");
  const std::string target = temp.File("old.txt");
  WriteBytes(source, "new");
  WriteBytes(target, "old and longer");
  CopyFileForced(source, target);
  EXPECT_EQ(ReadBytes(target), "new");
}

TEST_F(CopyFileForcedTest, MissingSourceDoesNothingAtAll) {
  const std::string target = temp.File("a\\b\\x.txt");
  CopyFileForced(temp.File("missing.txt"), target);
  EXPECT_FALSE(PathExists(temp.File("a")));
  // Nothing is checked about the target before the source is found.
  EXPECT_NO_THROW(CopyFileForced(temp.File("missing.txt"), "x.txt"));
}

TEST_F(CopyFileForcedTest, SourceThatIsAFolderIsNoFile) {
  CopyFileForced(temp.Path(), temp.File("a\\x.txt"));
  EXPECT_FALSE(PathExists(temp.File("a")));
}

TEST_F(CopyFileForcedTest, BareTargetNameIsRefusedAndNothingIsCopied) {
  const std::string source = temp.File("source.txt");
  WriteBytes(source, "data");
  const std::string bareName = "zorvat-bare-target.txt";
  try {
    CopyFileForced(source, bareName);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Unable to create directory");
  }
  EXPECT_FALSE(PathExists(bareName));
}

TEST_F(CopyFileForcedTest, RefusedFolderIsSilent) {
  const std::string source = temp.File("source.txt");
  WriteBytes(source, "data");
  // A file where a folder of the chain should be.
  WriteBytes(temp.File("blocker"), "");
  EXPECT_NO_THROW(CopyFileForced(source, temp.File("blocker\\sub\\x.txt")));
  EXPECT_FALSE(PathExists(temp.File("blocker\\sub")));
}

}  // namespace
}  // namespace zorvat::shellkit
