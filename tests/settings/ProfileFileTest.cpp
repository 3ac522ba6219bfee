#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/Files.h"
#include "base/TextEncoding.h"
#include "settings/ProfileFile.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string FullPath(const std::string& path) {
  return PathToUtf8(fs::absolute(PathFromUtf8(path)));
}

void MakeReadOnly(const std::string& path) {
  fs::permissions(PathFromUtf8(path),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

TEST(ProfileFile_Read, MissingFileGivesTheDefault) {
  TempFolder dir;
  const std::string path = dir.File("missing.ini");
  EXPECT_EQ(ReadProfileString(path, "Config", "A", "fallback"), "fallback");
  EXPECT_TRUE(ReadProfileKeyNames(path, "Config").empty());
  EXPECT_EQ(LoadProfileFile(path), std::nullopt);
}

TEST(ProfileFile_Read, MissingSectionOrKeyGivesTheDefaultEmptyValueDoesNot) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path, "[Config]\r\nEmpty=\r\n");
  EXPECT_EQ(ReadProfileString(path, "Other", "Empty", "d"), "d");
  EXPECT_EQ(ReadProfileString(path, "Config", "Missing", "d"), "d");
  EXPECT_EQ(ReadProfileString(path, "Config", "Empty", "d"), "");
}

TEST(ProfileFile_Read, EveryReadReadsTheFile) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path, "[Config]\r\nA=1\r\n");
  EXPECT_EQ(ReadProfileString(path, "Config", "A", ""), "1");
  ReplaceFileAtomically(path, "[Config]\r\nA=2\r\nB=3\r\n");
  EXPECT_EQ(ReadProfileString(path, "Config", "A", ""), "2");
  EXPECT_EQ(ReadProfileKeyNames(path, "config"), (std::vector<std::string>{"A", "B"}));
}

TEST(ProfileFile_Read, AnsiFileIsReadAsWindows1252) {
  TempFolder dir;
  const std::string path = dir.File("ansi.zrl");
  ReplaceFileAtomically(path,
                        "[General]\r\nK=Gr\xFC\xDF"
                        "e \x80\r\n");
  EXPECT_EQ(ReadProfileString(path, "General", "K", ""),
            "Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x82\xAC");
}

TEST(ProfileFile_Read, Utf8FileWithAndWithoutBom) {
  TempFolder dir;
  const std::string bom = dir.File("bom.ini");
  const std::string plain = dir.File("plain.ini");
  ReplaceFileAtomically(bom, "\xEF\xBB\xBF[S]\r\nK=\xCE\xA9\r\n");
  ReplaceFileAtomically(plain, "[S]\r\nK=\xCE\xA9\r\n");
  EXPECT_EQ(ReadProfileString(bom, "S", "K", ""), "\xCE\xA9");
  EXPECT_EQ(ReadProfileString(plain, "S", "K", ""), "\xCE\xA9");
}

TEST(ProfileFile_Write, MissingFileIsCreated) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  WriteProfileString(path, "Config", "Active", "1");
  EXPECT_EQ(ReadFileBytes(path), "[Config]\r\nActive=1\r\n");
}

TEST(ProfileFile_Write, InPlaceEveryOtherByteKept) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  const std::string before =
      "; hand-edited\r\n\r\n[ Config ]\r\nMainRefresh = 0x1F \r\nWeekEVDay=6\n\n"
      "[Recent]\r\nShortCut#1=\"C:\\Lists\\a.zrl\"\r\n\x1A";
  ReplaceFileAtomically(path, before);
  WriteProfileString(path, "config", "mainrefresh", "5000");
  EXPECT_EQ(ReadFileBytes(path),
            "; hand-edited\r\n\r\n[ Config ]\r\nMainRefresh=5000\r\nWeekEVDay=6\n\n"
            "[Recent]\r\nShortCut#1=\"C:\\Lists\\a.zrl\"\r\n\x1A");
}

TEST(ProfileFile_Write, MissingKeyAndSectionPlacedByTheRules) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path, "[Config]\r\nA=1\r\n\r\n[Recent]\r\nX=1\r\n");
  WriteProfileString(path, "Config", "B", "2");
  WriteProfileString(path, "ShortCuts", "SHortCut_Name#1", "Editor");
  EXPECT_EQ(
      ReadFileBytes(path),
      "[Config]\r\nA=1\r\nB=2\r\n\r\n[Recent]\r\nX=1\r\n[ShortCuts]\r\nSHortCut_Name#1=Editor\r\n");
}

TEST(ProfileFile_Write, BomIsKept) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path, "\xEF\xBB\xBF[Config]\r\nA=1\r\n");
  WriteProfileString(path, "Config", "A", "2");
  EXPECT_EQ(ReadFileBytes(path), "\xEF\xBB\xBF[Config]\r\nA=2\r\n");
}

// Notepad's "Unicode": read like the system reads it, and written back in UTF-16 with its mark.
TEST(ProfileFile_Write, Utf16FileIsReadAndStaysUtf16) {
  for (const FileEncoding encoding : {FileEncoding::Utf16Le, FileEncoding::Utf16Be}) {
    TempFolder dir;
    const std::string path = dir.File("Zorvat.ini");
    ReplaceFileAtomically(path, EncodeFileText("[Config]\r\nA=Gr\xC3\xBC\xC3\x9F\r\n", encoding));
    EXPECT_EQ(ReadProfileString(path, "Config", "A", ""), "Gr\xC3\xBC\xC3\x9F");
    WriteProfileString(path, "Config", "B", "1");
    EXPECT_EQ(ReadFileBytes(path),
              EncodeFileText("[Config]\r\nA=Gr\xC3\xBC\xC3\x9F\r\nB=1\r\n", encoding));
  }
}

// Bytes that are no text are not an empty file: reads give the defaults, writes leave it whole.
TEST(ProfileFile_Write, UnknownBytesAreNeitherReadNorReplaced) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  const std::string bytes("[\0C\0o\0n\0f\0i\0g\0]\0\r\0\n\0A\0=\0\x31\0", 26);
  ReplaceFileAtomically(path, bytes);
  EXPECT_EQ(ReadProfileString(path, "Config", "A", "d"), "d");
  EXPECT_THROW(WriteProfileString(path, "Config", "A", "2"), Error);
  EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST(ProfileFile_Write, AnsiWhenEveryCharacterFits) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path,
                        "[Config]\r\nA=Gr\xFC\xDF"
                        "e\r\n");
  WriteProfileString(path, "Recent", "LastOpened", "C:\\M\xC3\xA4rz \xE2\x82\xAC.zrl");
  EXPECT_EQ(ReadFileBytes(path),
            "[Config]\r\nA=Gr\xFC\xDF"
            "e\r\n[Recent]\r\nLastOpened=C:\\M\xE4rz \x80.zrl\r\n");
}

TEST(ProfileFile_Write, Utf8WithBomWhenACharacterDoesNotFit) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path,
                        "[Config]\r\nA=Gr\xFC\xDF"
                        "e\r\n");
  WriteProfileString(path, "Recent", "LastOpened", "C:\\\xCE\xA9.zrl");
  EXPECT_EQ(ReadFileBytes(path),
            "\xEF\xBB\xBF[Config]\r\nA=Gr\xC3\xBC\xC3\x9F"
            "e\r\n[Recent]\r\nLastOpened=C:\\\xCE\xA9.zrl\r\n");
  EXPECT_EQ(ReadProfileString(path, "Config", "A", ""),
            "Gr\xC3\xBC\xC3\x9F"
            "e");
  // Once UTF-8 with a BOM, the file stays so even when everything would fit again.
  WriteProfileString(path, "Recent", "LastOpened", "");
  EXPECT_EQ(ReadFileBytes(path)->substr(0, 3), "\xEF\xBB\xBF");
}

TEST(ProfileFile_Write, Utf8WithoutBomThatFitsIsWrittenInTheAnsiCodePage) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path, "[Config]\r\nA=\xC3\xBC\r\n");
  WriteProfileString(path, "Config", "B", "1");
  EXPECT_EQ(ReadFileBytes(path), "[Config]\r\nA=\xFC\r\nB=1\r\n");
  EXPECT_EQ(ReadProfileString(path, "Config", "A", ""), "\xC3\xBC");
}

TEST(ProfileFile_Write, ReadOnlyFileIsRefusedWithItsFullPathAndKept) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  ReplaceFileAtomically(path, "[Config]\r\nA=1\r\n");
  MakeReadOnly(path);
  try {
    WriteProfileString(path, "Config", "A", "2");
    ADD_FAILURE() << "the read-only file was written";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + FullPath(path));
  }
  EXPECT_EQ(ReadFileBytes(path), "[Config]\r\nA=1\r\n");
}

TEST(ProfileFile_Write, MissingFolderIsRefused) {
  TempFolder dir;
  const std::string path = dir.File("gone/Zorvat.ini");
  try {
    WriteProfileString(path, "Config", "A", "2");
    ADD_FAILURE() << "nothing was refused";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + FullPath(path));
  }
}

TEST(ProfileFile_Write, AFolderInTheWayIsRefusedAndKept) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  fs::create_directory(PathFromUtf8(path));
  EXPECT_THROW(WriteProfileString(path, "Config", "A", "2"), Error);
  EXPECT_TRUE(fs::is_directory(PathFromUtf8(path)));
}

TEST(ProfileFile_Read, AFolderInTheWayReadsAsMissing) {
  TempFolder dir;
  const std::string path = dir.File("Zorvat.ini");
  fs::create_directory(PathFromUtf8(path));
  EXPECT_EQ(ReadProfileString(path, "Config", "A", "d"), "d");
  EXPECT_TRUE(ReadProfileKeyNames(path, "Config").empty());
}

TEST(ProfileFile_WholeFile, BuilderTextReplacesTheFile) {
  TempFolder dir;
  const std::string path = dir.File("list.zrl");
  ReplaceFileAtomically(path, "[Old]\r\nstale=1\r\n");
  ProfileBuilder builder;
  builder.Write("BaseInfo", "ProgID", "Brumsel! Zorvat v1.1");
  builder.Write("General", "24.12.1998 18:30:00",
                "0|Gl\xC3\xBC"
                "ck||0|1");
  WriteProfileFile(path, builder.Render());
  EXPECT_EQ(ReadFileBytes(path),
            "[BaseInfo]\r\nProgID=Brumsel! Zorvat v1.1\r\n[General]\r\n24.12.1998 "
            "18:30:00=0|Gl\xFC"
            "ck||0|1\r\n");
  EXPECT_EQ(ReadProfileString(path, "General", "24.12.1998 18:30:00", ""),
            "0|Gl\xC3\xBC"
            "ck||0|1");
  WriteProfileFile(path, "[S]\r\nA=1\r\n", FileEncoding::Utf8Bom);
  EXPECT_EQ(ReadFileBytes(path), "\xEF\xBB\xBF[S]\r\nA=1\r\n");
}

TEST(ProfileFile_WholeFile, ReadOnlyFileIsRefused) {
  TempFolder dir;
  const std::string path = dir.File("list.zrl");
  ReplaceFileAtomically(path, "old");
  MakeReadOnly(path);
  EXPECT_THROW(WriteProfileFile(path, "[S]\r\nA=1\r\n"), Error);
  EXPECT_EQ(ReadFileBytes(path), "old");
}

}  // namespace
}  // namespace zorvat
