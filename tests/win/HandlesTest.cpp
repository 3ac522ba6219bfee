#include <windows.h>

#include <gtest/gtest.h>

#include "shellkit/Handles.h"
#include "shellkit/WideText.h"
#include "support/TempFolder.h"
#include "win/WinTestSupport.h"

namespace zorvat::shellkit {
namespace {

// A failed CreateFileW gives INVALID_HANDLE_VALUE: that must read as "no file" and never reach
// CloseHandle; a file opened through put() must be closed before the next one replaces it.
// Opens without sharing, the way an API hands a handle back through a pointer.
void OpenExclusive(const std::wstring& path, HANDLE* out) {
  *out = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

TEST(FileHandle, InvalidHandleValueIsEmptyAndPutClosesThePreviousFile) {
  zorvat::testing::TempFolder temp;
  const std::wstring missing = Widen(temp.File("missing\\x.txt"));
  FileHandle none(
      CreateFileW(missing.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(none);

  const std::string path = temp.File("a.txt");
  const std::wstring wide = Widen(path);
  zorvat::testing::WriteBytes(path, "a");
  FileHandle file;
  OpenExclusive(wide, file.put());
  ASSERT_TRUE(file);
  // A second exclusive open only succeeds once put() has closed the first.
  OpenExclusive(wide, file.put());
  EXPECT_TRUE(file);
}

TEST(SelectionGuard, PutsThePreviousObjectBack) {
  const HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(dc);
  const HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
  Font font(CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
  {
    SelectionGuard selected(dc, font.get());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font.get());
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), before);
  DeleteDC(dc);
}

}  // namespace
}  // namespace zorvat::shellkit
