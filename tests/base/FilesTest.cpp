#include <gtest/gtest.h>

#include <filesystem>

#include "base/Error.h"
#include "base/Files.h"
#include "support/TempFolder.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

size_t EntriesIn(const std::string& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(PathFromUtf8(folder))) {
    ++n;
  }
  return n;
}

TEST(ReplaceFileAtomically, CreatesAndReplacesWithoutLeftovers) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path, "first\r\n");
  EXPECT_EQ(ReadFileBytes(path), "first\r\n");
  ReplaceFileAtomically(path, std::string(100000, 'x'));
  EXPECT_EQ(ReadFileBytes(path)->size(), 100000u);
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(ReplaceFileAtomically, NonAsciiPaths) {
  TempFolder dir;
  const std::string path = dir.File("Liste f\xC3\xBCr M\xC3\xA4rz.zrl");
  ReplaceFileAtomically(path, "x");
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadFileBytes(path), "x");
}

TEST(ReplaceFileAtomically, ReadOnlyTargetIsRefusedAndKept) {
  TempFolder dir;
  const std::string path = dir.File("locked.zrl");
  ReplaceFileAtomically(path, "old");
  fs::permissions(PathFromUtf8(path),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  try {
    ReplaceFileAtomically(path, "new");
    ADD_FAILURE() << "read-only file was replaced";
  } catch (const Error& e) {
    EXPECT_EQ(e.what(), "Unable to write to " + PathToUtf8(fs::absolute(PathFromUtf8(path))));
  }
  EXPECT_EQ(ReadFileBytes(path), "old");
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(ReplaceFileAtomically, MissingFolderIsRefused) {
  TempFolder dir;
  const std::string path = dir.File("no such folder/list.zrl");
  EXPECT_THROW(ReplaceFileAtomically(path, "x"), Error);
  EXPECT_EQ(EntriesIn(dir.Path()), 0u);
}

TEST(ReplaceFileAtomically, AFolderInTheWayIsRefusedAndKept) {
  TempFolder dir;
  const std::string path = dir.File("folder.zrl");
  fs::create_directory(PathFromUtf8(path));
  EXPECT_THROW(ReplaceFileAtomically(path, "x"), Error);
  EXPECT_TRUE(fs::is_directory(PathFromUtf8(path)));
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(Files, ExistenceAndReading) {
  TempFolder dir;
  EXPECT_FALSE(FileExists(dir.File("missing")));
  EXPECT_FALSE(FileExists(dir.Path()));  // a folder is not a file
  EXPECT_FALSE(FileExists(""));
  EXPECT_EQ(ReadFileBytes(dir.File("missing")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(dir.Path()), std::nullopt);
  // A file whose reading fails is no empty file: a write would put one key in place of it all.
  ASSERT_TRUE(FileExists("/proc/self/mem"));  // reading at offset 0 fails with EIO
  EXPECT_EQ(ReadFileBytes("/proc/self/mem"), std::nullopt);
}

}  // namespace
}  // namespace zorvat
