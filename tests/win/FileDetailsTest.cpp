#include <windows.h>

#include <winioctl.h>

#include <gtest/gtest.h>

#include <type_traits>

#include "base/DateTimeText.h"
#include "platform/UserRegionalFormats.h"
#include "shellkit/FileDetails.h"
#include "shellkit/WideText.h"
#include "support/TempFolder.h"
#include "win/WinTestSupport.h"

namespace zorvat::shellkit {
namespace {

using zorvat::testing::TempFolder;
using zorvat::testing::WriteBytes;

static_assert(!std::is_copy_constructible_v<Icon> && !std::is_copy_assignable_v<Icon>);
static_assert(std::is_nothrow_move_constructible_v<Icon>);

// Sets the file's last write time to a local date and time.
void SetModified(const std::string& path, const CivilDate& date, const TimeOfDay& time) {
  SYSTEMTIME local{};
  local.wYear = static_cast<WORD>(date.year);
  local.wMonth = static_cast<WORD>(date.month);
  local.wDay = static_cast<WORD>(date.day);
  local.wHour = static_cast<WORD>(time.hour);
  local.wMinute = static_cast<WORD>(time.minute);
  local.wSecond = static_cast<WORD>(time.second);
  SYSTEMTIME utc{};
  FILETIME stamp{};
  ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc));
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &stamp));
  const HANDLE file = CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &stamp));
  CloseHandle(file);
}

class FileDetailTest : public ::testing::Test {
 protected:
  TempFolder temp;
};

TEST_F(FileDetailTest, MissingFileOrFolderGivesZeroForEveryKind) {
  for (const std::uint8_t kind : {1, 2, 3, 4}) {
    EXPECT_EQ(GetFileDetail(temp.File("missing.txt"), kind), "0");
    EXPECT_EQ(GetFileDetail(temp.Path(), kind), "0");
    EXPECT_EQ(GetFileDetail("", kind), "0");
    // A pattern names no file even where files match it.
    EXPECT_EQ(GetFileDetail(temp.Path() + "\\*", kind), "0");
  }
}

TEST_F(FileDetailTest, SizeInBytes) {
  const std::string file = temp.File(
      "Gr\xc3\xb6\xc3\x9f"
      "e.zrl");
  WriteBytes(file, std::string(12345, 'x'));
  EXPECT_EQ(GetFileDetail(file, 3), "12345");
  WriteBytes(file, "");
  EXPECT_EQ(GetFileDetail(file, 3), "0");
}

TEST_F(FileDetailTest, SizeOfFilesBeyondFourGigabytesIsTheWholeSize) {
  const std::string file = temp.File("large.bin");
  const HANDLE handle = CreateFileW(Widen(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  DWORD ignored = 0;
  DeviceIoControl(handle, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
  LARGE_INTEGER end{};
  end.QuadPart = 5368709127;  // 5 GiB + 7: above both the signed and the unsigned 32-bit range
  const bool sized = SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
  CloseHandle(handle);
  if (!sized) {
    GTEST_SKIP() << "the temporary folder's file system cannot hold a sparse 5 GB file";
  }
  EXPECT_EQ(GetFileDetail(file, 3), "5368709127");
}

TEST_F(FileDetailTest, ModifiedInTheUsersDateAndTimeFormats) {
  const RegionalFormats formats = ReadUserRegionalFormats();
  const std::string file = temp.File("stamp.txt");
  WriteBytes(file, "x");

  SetModified(file, {2021, 5, 17}, {14, 3, 4, 0});
  EXPECT_EQ(GetFileDetail(file, 2),
            FormatDateTime(EncodeDateTime({2021, 5, 17}, {14, 3, 4, 0}), formats));
  SetModified(file, {2019, 12, 1}, {0, 0, 1, 0});
  EXPECT_EQ(GetFileDetail(file, 2),
            FormatDateTime(EncodeDateTime({2019, 12, 1}, {0, 0, 1, 0}), formats));
  // Exactly midnight: the date alone.
  SetModified(file, {2020, 2, 29}, {0, 0, 0, 0});
  EXPECT_EQ(GetFileDetail(file, 2), FormatDate(EncodeDate(2020, 2, 29), formats));
}

TEST_F(FileDetailTest, TypeNameIsTheShells) {
  const std::string text = temp.File("notes.txt");
  const std::string other = temp.File("other.txt");
  const std::string program = temp.File("tool.exe");
  WriteBytes(text, "a");
  WriteBytes(other, "b");
  WriteBytes(program, "c");
  const std::string textType = GetFileDetail(text, 1);
  EXPECT_FALSE(textType.empty());
  EXPECT_NE(textType, "0");
  EXPECT_LT(textType.size(), 80u);
  EXPECT_EQ(GetFileDetail(other, 1), textType);
  EXPECT_NE(GetFileDetail(program, 1), textType);
}

TEST_F(FileDetailTest, UndefinedKindOfAnExistingFileIsEmpty) {
  const std::string file = temp.File("a.txt");
  WriteBytes(file, "a");
  EXPECT_EQ(GetFileDetail(file, 0), "");
  EXPECT_EQ(GetFileDetail(file, 4), "");
}

TEST(GetFileIcon, StandardSizeIconForAnExistingFileNoneForAMissingOne) {
  TempFolder temp;
  const std::string file = temp.File("list.zrl");
  WriteBytes(file, "[BaseInfo]\r\n");
  Icon icon = GetFileIcon(file);
  ASSERT_TRUE(icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon.get(), &info));
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof(mask), &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) {
    DeleteObject(info.hbmColor);
  }
  EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXICON));

  // The new owner destroys it once; the moved-from wrapper holds nothing.
  const Icon moved = std::move(icon);
  EXPECT_FALSE(icon);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
  EXPECT_TRUE(moved);

  EXPECT_FALSE(GetFileIcon(temp.File("missing.zrl")));
}

}  // namespace
}  // namespace zorvat::shellkit
