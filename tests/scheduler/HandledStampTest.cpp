#include "scheduler/HandledStamp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/Error.h"
#include "base/Files.h"
#include "events/EventRecord.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"

namespace zorvat {
namespace {

DateTime At(int day, int hour, int minute, int second = 0) {
  return EncodeDateTime({2024, 3, day}, {hour, minute, second, 0});
}

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(PathFromUtf8(path), std::ios::binary) << bytes;
}

TEST(HandledStamp, ReadsBackWhatItWroteIntentsApartFromFacts) {
  const HandledStamp stamp{ToMilliseconds(At(1, 10, 5)),
                           {{At(1, 10, 6), kCmdCopyFile, "a b.txt", "c:\\x y", false}},
                           {{At(1, 10, 7), kCmdMessage, "", "", false}}};
  testing::TempFolder folder;
  StampFile file(folder.Path());
  EXPECT_EQ(file.Read(), std::nullopt);
  file.Write(stamp);
  EXPECT_EQ(file.Read(), stamp);
  // Lines before the mark, damaged ones and repeats are left out; what started did not only
  // intend to.
  const std::optional<HandledStamp> partly = ParseStamp(
      "Ran=4|3|a|b\nUpTo=5\nRan=7|999|a|b\nRan=8|3|a|b\nRan=8|3|a|b\nIntent=8|3|a|b\n"
      "Intent=9|3|a|b\nRan=-9223372036854775808|3|a|b\n");
  ASSERT_TRUE(partly);
  EXPECT_EQ(partly->handledUpTo, 5);
  ASSERT_EQ(partly->ran.size(), 1u);
  EXPECT_EQ(ToMilliseconds(partly->ran[0].time), 8);
  ASSERT_EQ(partly->intended.size(), 1u);
  EXPECT_EQ(ToMilliseconds(partly->intended[0].time), 9);
}

// Whatever lies in the stamp's place, the start reads it in one pass or says once that it
// cannot: it never hangs, overflows or guesses.
TEST(HandledStamp, ADamagedStampIsToldAndNeverRead) {
  std::string many = "UpTo=0\r\n";
  for (std::size_t i = 0; i <= kMostStampedTasks; ++i) {
    many += "Ran=" + std::to_string(i) + "|3|a|b\r\n";
  }
  const std::string utf16(
      "U\0p\0T\0o\0=\0"
      "1\0\r\0\n\0",
      16);
  for (const std::string& bytes :
       {std::string(), std::string("garbage"), std::string("UpTo=12x\r\n"), utf16,
        std::string("Ran=1|2|a|b\r\n"), std::string("UpTo=-9223372036854775808\r\n"),
        std::string("UpTo=9223372036854775807\r\n"), std::string(40, '\0'), many,
        std::string(kLargestReadableFile + 1, 'U')}) {
    testing::TempFolder folder;
    StampFile file(folder.Path());
    Put(file.Path(), bytes);
    try {
      file.Read();
      ADD_FAILURE() << "read: " << bytes.substr(0, 40);
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()),
                "The file \"" + file.Path() +
                    "\" cannot be read. Events missed since Zorvat last ran cannot be listed.");
    }
  }
  testing::TempFolder folder;
  StampFile file(folder.Path());
  std::filesystem::create_directory(PathFromUtf8(file.Path()));
  EXPECT_THROW(file.Read(), Error);
}

// A save ended between its last two renames leaves the whole stamp beside its name, as it
// leaves the settings; a temporary file that is no stamp stays where it is.
TEST(HandledStamp, ASaveCutShortIsCompletedOnlyWhenItsTemporaryFileReads) {
  for (const bool whole : {true, false}) {
    testing::TempFolder folder;
    StampFile file(folder.Path());
    Put(TemporaryFileFor(file.Path()), whole ? "UpTo=5\r\nRan=6|3|a|b\r\n" : std::string(64, '\0'));
    const std::optional<HandledStamp> read = file.Read();
    EXPECT_EQ(read.has_value(), whole);
    EXPECT_EQ(FileExists(file.Path()), whole);
    if (read) {
      EXPECT_EQ(read->ran.size(), 1u);
    }
  }
}

}  // namespace
}  // namespace zorvat
