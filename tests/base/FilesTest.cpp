#include <gtest/gtest.h>

#include <filesystem>

#include "base/Error.h"
#include "base/Files.h"
#include "support/FilesystemPaths.h"
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

// The names on the disk are the ones given, as any other program lists them, not only names this
// layer finds again.
TEST(ReplaceFileAtomically, NonAsciiPaths) {
  TempFolder dir;
  const std::string folder = JoinPath(dir.File("Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC"),
                                      "\xD0\x9F\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0");
  const std::string name = "Liste f\xC3\xBCr M\xC3\xA4rz \xF0\x9F\x93\x85.zrl";
  const std::string path = JoinPath(folder, name);
  ASSERT_TRUE(CreateFolders(folder));
  EXPECT_TRUE(fs::is_directory(PathFromUtf8(folder)));
  ReplaceFileAtomically(path, "x");
  ReplaceFileAtomically(path, "xy");
  ASSERT_EQ(EntriesIn(folder), 1u);
  EXPECT_EQ(PathToUtf8(fs::directory_iterator(PathFromUtf8(folder))->path().filename()), name);
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadFileBytes(path), "xy");
  EXPECT_EQ(FileNameOf(path), name);
}

// A relative path names a file in the current folder.
TEST(Files, RelativePathsStartInTheCurrentFolder) {
  TempFolder dir;
  const std::string folder = dir.File("\xC3\x84mter");
  ASSERT_TRUE(CreateFolders(folder));
  const fs::path previous = fs::current_path();
  fs::current_path(PathFromUtf8(folder));
  const std::string here = PathToUtf8(fs::current_path());
  const auto absolute = AbsolutePath("Liste.zrl");
  ReplaceFileAtomically("Liste.zrl", "x");
  fs::current_path(previous);
  EXPECT_EQ(absolute, JoinPath(here, "Liste.zrl"));
  EXPECT_EQ(ReadFileBytes(JoinPath(folder, "Liste.zrl")), "x");
  EXPECT_EQ(AbsolutePath(""), std::nullopt);
}

// One separator between folder and name, whether the folder ends in one or not (the program's
// folder does), and the system's own.
TEST(Files, PathText) {
#ifdef _WIN32
  EXPECT_EQ(JoinPath("C:\\Zorvat\\", "Lib"), "C:\\Zorvat\\Lib");
  EXPECT_EQ(JoinPath("C:\\Zorvat", "Lib"), "C:\\Zorvat\\Lib");
  EXPECT_EQ(JoinPath("C:/Zorvat/", "Lib"), "C:/Zorvat/Lib");
  EXPECT_EQ(FileNameOf("C:\\Zorvat\\Lib/a b.zrl"), "a b.zrl");
  EXPECT_EQ(FileNameOf("C:/Zorvat/Lib\\a b.zrl"), "a b.zrl");
  EXPECT_EQ(FileNameOf("C:a b.zrl"), "a b.zrl");
#else
  EXPECT_EQ(JoinPath("/opt/zorvat/", "Lib"), "/opt/zorvat/Lib");
  EXPECT_EQ(JoinPath("/opt/zorvat", "Lib"), "/opt/zorvat/Lib");
  EXPECT_EQ(FileNameOf("/opt/zorvat/Lib/a\\b.zrl"), "a\\b.zrl");  // a name like any other here
#endif
  EXPECT_EQ(JoinPath("", "Zorvat.ini"), "Zorvat.ini");
  EXPECT_EQ(FileNameOf("list.zrl"), "list.zrl");
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

std::string Sibling(const std::string& path, std::string (*name)(std::string_view)) {
  return name(path);
}

// What a kill leaves beside a file that exists, the next save removes.
TEST(ReplaceFileAtomically, TheNextSaveRemovesWhatAnInterruptedOneLeftBesideItsFile) {
  TempFolder dir;
  const std::string path = dir.File("list.zrl");
  ReplaceFileAtomically(path, "old");
  ReplaceFileAtomically(Sibling(path, PartialFileFor), "half a list");
  ReplaceFileAtomically(Sibling(path, TemporaryFileFor), "a whole list");
  EXPECT_EQ(EntriesIn(dir.Path()), 3u);
  ReplaceFileAtomically(path, "whole");
  EXPECT_EQ(ReadFileBytes(path), "whole");
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

// A kill between the last two renames of a save leaves the new content only in the temporary
// file: it goes back under its name, and a save to the name never deletes it.
TEST(ReplaceFileAtomically, ATemporaryFileWithoutItsTargetIsRecoveredOrKept) {
  TempFolder dir;
  const std::string path = dir.File("list.zrl");
  const std::string temp = Sibling(path, TemporaryFileFor);
  EXPECT_FALSE(RecoverInterruptedSave(path));
  ReplaceFileAtomically(temp, "the only copy");
  EXPECT_TRUE(NothingAt(path));
  EXPECT_TRUE(RecoverInterruptedSave(path));
  EXPECT_EQ(ReadFileBytes(path), "the only copy");
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);

  ReplaceFileAtomically(temp, "newer");
  EXPECT_FALSE(RecoverInterruptedSave(path)) << "the file is there";
  EXPECT_EQ(ReadFileBytes(path), "the only copy");

  const std::string other = dir.File("other.zrl");
  ReplaceFileAtomically(Sibling(other, TemporaryFileFor), "first orphan");
  ReplaceFileAtomically(other, "new");
  fs::remove(PathFromUtf8(other));
  ReplaceFileAtomically(Sibling(other, TemporaryFileFor), "second orphan");
  ReplaceFileAtomically(other, "newest");
  EXPECT_EQ(ReadFileBytes(other), "newest");
  EXPECT_EQ(ReadFileBytes(dir.File("other.zrl.~kept.tmp")), "first orphan");
  EXPECT_EQ(ReadFileBytes(dir.File("other.zrl.~kept 2.tmp")), "second orphan");
}

TEST(ReplaceFileAtomically, KeepsTheFilesPermissions) {
  TempFolder dir;
  const std::string path = dir.File("list.zrl");
  ReplaceFileAtomically(path, "old");
  const auto kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(PathFromUtf8(path), kept);
  const auto before = fs::status(PathFromUtf8(path)).permissions();
  ReplaceFileAtomically(path, "new");
  EXPECT_EQ(ReadFileBytes(path), "new");
  EXPECT_EQ(fs::status(PathFromUtf8(path)).permissions(), before);
}

TEST(ReplaceFileAtomically, SavingThroughALinkReplacesItsTarget) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows";
#else
  TempFolder dir;
  const std::string target = dir.File("real.zrl");
  const std::string link = dir.File("link.zrl");
  ReplaceFileAtomically(target, "old");
  fs::create_symlink("real.zrl", PathFromUtf8(link));
  ReplaceFileAtomically(link, "new");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(PathFromUtf8(link))));
  EXPECT_EQ(ReadFileBytes(target), "new");
  EXPECT_EQ(EntriesIn(dir.Path()), 2u);
#endif
}

TEST(Files, ReadingSaysWhyAFileWasNotRead) {
  TempFolder dir;
  const std::string largest = dir.File("largest.zrl");
  const std::string tooLarge = dir.File("too large.zrl");
  ReplaceFileAtomically(largest, std::string(kLargestReadableFile, '\n'));
  ReplaceFileAtomically(tooLarge, std::string(kLargestReadableFile + 1, '\n'));
  EXPECT_EQ(ReadWholeFile(dir.File("missing")).outcome, ReadOutcome::Missing);
  EXPECT_EQ(ReadWholeFile(JoinPath(dir.File("no folder"), "missing")).outcome,
            ReadOutcome::Missing);
  EXPECT_EQ(ReadWholeFile(dir.Path()).outcome, ReadOutcome::Unreadable);
  EXPECT_EQ(ReadWholeFile(tooLarge).outcome, ReadOutcome::TooLarge);
  const FileBytes read = ReadWholeFile(largest);
  EXPECT_EQ(read.outcome, ReadOutcome::Read);
  EXPECT_EQ(read.bytes.size(), kLargestReadableFile);
}

TEST(Files, ExistenceAndReading) {
  TempFolder dir;
  EXPECT_FALSE(FileExists(dir.File("missing")));
  EXPECT_FALSE(FileExists(dir.Path()));  // a folder is not a file
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(NothingAt(JoinPath(dir.File("no folder"), "missing")));
  EXPECT_FALSE(SomethingAt(JoinPath(dir.File("no folder"), "missing")));
  EXPECT_TRUE(SomethingAt(dir.Path()));
  EXPECT_EQ(ReadFileBytes(dir.File("missing")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(dir.Path()), std::nullopt);
  // A file whose reading fails is no empty file: a write would put one key in place of it all.
  ASSERT_TRUE(FileExists("/proc/self/mem"));  // reading at offset 0 fails with EIO
  EXPECT_EQ(ReadFileBytes("/proc/self/mem"), std::nullopt);
  EXPECT_EQ(ReadWholeFile("/proc/self/mem").outcome, ReadOutcome::Unreadable);
}

}  // namespace
}  // namespace zorvat
