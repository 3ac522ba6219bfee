#include <windows.h>

#include <gtest/gtest.h>

#include "base/Files.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"

namespace zorvat {
namespace {

// A save puts the new bytes under the old file's identity: the attributes the user gave it stay.
TEST(FileCommit, ASaveKeepsTheFilesAttributes) {
  testing::TempFolder dir;
  const std::string path = dir.File("list.zrl");
  const std::wstring wide = PathFromUtf8(path).wstring();
  ReplaceFileAtomically(path, "old");
  ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_TRUE(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "before";
  ReplaceFileAtomically(path, "new");
  EXPECT_EQ(ReadFileBytes(path), "new");
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(NothingAt(TemporaryFileFor(path)));
}

}  // namespace
}  // namespace zorvat
