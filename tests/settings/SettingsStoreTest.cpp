#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "base/Error.h"
#include "base/Files.h"
#include "settings/SettingsFileCheck.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

class SettingsFileTest : public ::testing::Test {
 protected:
  void WriteIni(const std::string& text) { ReplaceFileAtomically(settings.Path(), text); }
  std::string IniBytes() const { return ReadFileBytes(settings.Path()).value_or("<missing>"); }

  TempFolder dir;
  SettingsFile settings{dir.Path()};
};

TEST(SettingsFile_Path, ZorvatIniInTheProgramFolder) {
  TempFolder dir;
  const std::string expected = dir.File("Zorvat.ini");
  EXPECT_EQ(SettingsFile(dir.Path()).Path(), expected);
  const char separator = static_cast<char>(fs::path::preferred_separator);
  EXPECT_EQ(SettingsFile(dir.Path() + separator).Path(), expected);
}

TEST_F(SettingsFileTest, MissingFileReadsAsEveryReadersDefault) {
  EXPECT_EQ(settings.Read(keys::kDefaultLib), "");
  EXPECT_EQ(settings.Read(keys::kDefaultLibMode), 0);
  EXPECT_TRUE(settings.Read(keys::kAutoSave));
  EXPECT_FALSE(settings.Read(keys::kAutoStart));
  EXPECT_FALSE(settings.Read(keys::kMinimize));
  EXPECT_FALSE(settings.Read(keys::kActiveAtStartUp));
  EXPECT_EQ(settings.Read(keys::kAlertMode), 0);
  EXPECT_EQ(settings.Read(keys::kZorvatChoiceWidth), 185);
  EXPECT_FALSE(settings.Read(keys::kMax));
  EXPECT_EQ(settings.Read(keys::kRecentFile[0]), "[Keine#1]");
  EXPECT_EQ(settings.Read(keys::kRecentFile[1]), "[Keine#2]");
  EXPECT_EQ(settings.Read(keys::kRecentFile[2]), "[Keine#3]");
  EXPECT_EQ(settings.Read(keys::kLastOpened), "");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(settings.Read(keys::kShortCutName[i]), "");
    EXPECT_EQ(settings.Read(keys::kShortCutFile[i]), "");
  }
  EXPECT_FALSE(FileExists(settings.Path()));  // reading creates nothing
}

struct IntegerCase {
  const char* stored;
  std::int32_t expected;
};

class SettingsFile_ReadInteger : public SettingsFileTest,
                                 public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(SettingsFile_ReadInteger, ConvertsOrGivesTheDefault) {
  WriteIni(std::string("[Config]\r\nMainRefresh=") + GetParam().stored + "\r\n");
  EXPECT_EQ(settings.ReadInteger("Config", "MainRefresh", 5000), GetParam().expected)
      << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFile, SettingsFile_ReadInteger,
    ::testing::Values(IntegerCase{"0x1F", 31}, IntegerCase{"0X1f", 31}, IntegerCase{"$10", 16},
                      IntegerCase{"$ff", 255}, IntegerCase{"1234", 1234}, IntegerCase{"-7", -7},
                      IntegerCase{"+7", 7}, IntegerCase{" 42 ", 42}, IntegerCase{"\"42\"", 42},
                      IntegerCase{"junk", 5000}, IntegerCase{"", 5000}, IntegerCase{"12abc", 5000},
                      IntegerCase{"0x", 5000}, IntegerCase{"$", 5000}, IntegerCase{"4.5", 5000},
                      IntegerCase{"99999999999", 5000}, IntegerCase{"0xFFFFFFFF", -1}));

TEST_F(SettingsFileTest, BooleanIsAnIntegerNonZeroTrue) {
  WriteIni(
      "[Config]\r\nAutoSave=0\r\nAutoStart=2\r\nMinimize=-1\r\nMax=junk\r\nActive=\r\n"
      "NewItem_Req=0x0\r\n");
  EXPECT_FALSE(settings.Read(keys::kAutoSave));
  EXPECT_TRUE(settings.Read(keys::kAutoStart));
  EXPECT_TRUE(settings.Read(keys::kMinimize));
  EXPECT_FALSE(settings.Read(keys::kMax));                   // junk: the default false
  EXPECT_FALSE(settings.Read(keys::kActiveAtStartUp));       // empty: the reader's default
  EXPECT_TRUE(settings.ReadBool("Config", "Active", true));  // empty: the reader's default
  EXPECT_FALSE(settings.ReadBool("Config", "NewItem_Req", true));
  EXPECT_TRUE(settings.ReadBool("Config", "Max", true));  // junk: this reader's default
}

TEST_F(SettingsFileTest, IntegersInDecimalBooleansAsOneAndZero) {
  settings.WriteInteger("Config", "MainRefresh", 0x1F);
  settings.WriteInteger("Config", "MonthEVDay", -3);
  settings.Write(keys::kMax, true);
  settings.Write(keys::kAutoSave, false);
  EXPECT_EQ(IniBytes(), "[Config]\r\nMainRefresh=31\r\nMonthEVDay=-3\r\nMax=1\r\nAutoSave=0\r\n");
}

TEST_F(SettingsFileTest, OptionsDialogSpellingIsFoundByTheMainWindowsSpelling) {
  settings.WriteString("ShortCuts", "SHortCut_Name#2", "Editor");
  settings.WriteString("ShortCuts", "SHortCut_File#2", "C:\\Windows\\notepad.exe");
  EXPECT_EQ(settings.Read(keys::kShortCutFile[1]), "C:\\Windows\\notepad.exe");
  EXPECT_EQ(settings.Read(keys::kShortCutName[1]), "Editor");
  // The file holds the key names as the dialog wrote them.
  EXPECT_EQ(
      IniBytes(),
      "[ShortCuts]\r\nSHortCut_Name#2=Editor\r\nSHortCut_File#2=C:\\Windows\\notepad.exe\r\n");
}

TEST_F(SettingsFileTest, HandWrittenShortCutIsFoundByTheOptionsSpelling) {
  WriteIni("[ShortCuts]\r\nSHortCut_File#2=C:\\x.exe\r\n");
  EXPECT_EQ(settings.Read(keys::kShortCutFile[1]), "C:\\x.exe");
  EXPECT_EQ(settings.ReadString("ShortCuts", "SHortCut_File#2", ""), "C:\\x.exe");
}

TEST_F(SettingsFileTest, StringsDropBlanksAndOnePairOfQuotesAndAreCut) {
  WriteIni("[Recent]\r\nLastOpened=  \"C:\\Lists\\my list.zrl\"  \r\nShortCut#1=" +
           std::string(3000, 'p') + "\r\n");
  EXPECT_EQ(settings.Read(keys::kLastOpened), "C:\\Lists\\my list.zrl");
  EXPECT_EQ(settings.Read(keys::kRecentFile[0]), std::string(2047, 'p'));
}

TEST_F(SettingsFileTest, NoCacheEveryReadSeesTheFile) {
  settings.Write(keys::kAlertMode, 1);
  EXPECT_EQ(settings.Read(keys::kAlertMode), 1);
  WriteIni("[Config]\r\nAlertMode=2\r\n");  // changed behind the object's back
  EXPECT_EQ(settings.Read(keys::kAlertMode), 2);
  fs::remove(PathFromUtf8(settings.Path()));
  EXPECT_EQ(settings.Read(keys::kAlertMode), 0);
}

TEST_F(SettingsFileTest, WriteKeepsEverythingElse) {
  const std::string before =
      "; Zorvat settings\r\n[Config]\r\nMainRefresh=5000\r\n\r\n[Recent]\r\nShortCut#1=a.zrl\r\n";
  WriteIni(before);
  settings.Write(keys::kZorvatChoiceWidth, 200);
  settings.Write(keys::kLastOpened, "C:\\b.zrl");
  settings.WriteInteger("Config", "MainRefresh", 1000);
  EXPECT_EQ(IniBytes(),
            "; Zorvat settings\r\n[Config]\r\nMainRefresh=1000\r\nZorvatChoice_Width=200\r\n\r\n"
            "[Recent]\r\nShortCut#1=a.zrl\r\nLastOpened=C:\\b.zrl\r\n");
}

TEST_F(SettingsFileTest, ReadOnlyFileRefusesTheWriteWithItsFullPathAndStaysUnchanged) {
  WriteIni("[Config]\r\nMax=0\r\n");
  fs::permissions(PathFromUtf8(settings.Path()),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  try {
    settings.Write(keys::kMax, true);
    ADD_FAILURE() << "the read-only settings file was written";
  } catch (const Error& e) {
    const std::string fullPath = PathToUtf8(fs::absolute(PathFromUtf8(settings.Path())));
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + fullPath);
    EXPECT_EQ(ErrorBoxText(e.what()), "Unable to write to " + fullPath + ".");
  }
  EXPECT_EQ(IniBytes(), "[Config]\r\nMax=0\r\n");
}

TEST(SettingsFile_Write, RelativeProgramFolderIsReportedWithTheFullPath) {
  TempFolder dir;
  const fs::path previous = fs::current_path();
  fs::current_path(PathFromUtf8(dir.Path()));
  const fs::path here = fs::current_path();
  SettingsFile settings("missing-folder");
  std::string message;
  try {
    settings.Write(keys::kMax, true);
  } catch (const Error& e) {
    message = e.what();
  }
  fs::current_path(previous);
  EXPECT_EQ(message, "Unable to write to " + PathToUtf8(here / "missing-folder" / "Zorvat.ini"));
}

// At start: a settings file left only in its temporary file comes back silently; one that
// cannot be read or written is told in one box's text, and nothing is written over it. A first
// save cut short (its temporary file zero-filled by a power cut) is no settings file: nothing
// is put in place and nothing told.
TEST(PrepareSettingsFile, RecoversSilentlyOrTellsWhatKeepsTheFileFromUse) {
  const std::string utf16WithoutMark("[\0C\0o\0n\0f\0i\0g\0]\0", 16);
  struct Case {
    const char* name;
    std::string bytes;  // empty: no file
    bool folder, readOnly, leftInTemporary;
    std::string says;  // after the path; empty: nothing
  };
  const Case cases[] = {
      {"missing", "", false, false, false, ""},
      {"usable", "[Config]\r\nMax=1\r\n", false, false, false, ""},
      {"left in its temporary file", "[Config]\r\nMax=1\r\n", false, false, true, ""},
      {"a zero-filled temporary file", std::string(4096, '\0'), false, false, true, ""},
      {"a folder of that name", "", true, false, false, "cannot be read"},
      {"UTF-16 without its mark", utf16WithoutMark, false, false, false, "cannot be read"},
      {"read-only", "[Config]\r\nMax=1\r\n", false, true, false, "cannot be written"},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    SettingsFile settings(dir.Path());
    const fs::path path = PathFromUtf8(settings.Path());
    if (c.folder) {
      fs::create_directory(path);
    } else if (!c.bytes.empty()) {
      ReplaceFileAtomically(c.leftInTemporary ? TemporaryFileFor(settings.Path()) : settings.Path(),
                            c.bytes);
    }
    if (c.readOnly) {
      fs::permissions(path, fs::perms::owner_write | fs::perms::group_write,
                      fs::perm_options::remove);
    }
    const auto trouble = PrepareSettingsFile(settings);
    const std::optional<std::string> problem =
        trouble ? std::optional(trouble->message) : std::nullopt;
    if (c.says.empty()) {
      EXPECT_EQ(problem, std::nullopt) << c.name;
    } else if (c.says == "cannot be read") {
      EXPECT_EQ(problem, "The settings file \"" + settings.Path() +
                             "\" cannot be read. Zorvat runs on its default settings and leaves "
                             "the file as it is.")
          << c.name;
    } else {
      EXPECT_EQ(problem, "Unable to write to " + settings.Path() +
                             ". Zorvat runs on, but changes to its settings are not kept.")
          << c.name;
    }
    EXPECT_EQ(settings.Read(keys::kMax), c.bytes.find("Max=1") != std::string::npos) << c.name;
    const bool noText = !c.bytes.empty() && c.bytes.front() == '\0';
    EXPECT_EQ(NothingAt(TemporaryFileFor(settings.Path())), !noText) << c.name;
    if (noText) {
      EXPECT_TRUE(NothingAt(settings.Path())) << c.name;
    }
    EXPECT_TRUE(NothingAt(PartialFileFor(settings.Path()))) << c.name;  // the check's own probe
    if (c.says == "cannot be read") {
      EXPECT_THROW(settings.Write(keys::kMax, false), Error) << c.name;
      EXPECT_EQ(fs::is_directory(path), c.folder) << c.name;
      EXPECT_EQ(ReadFileBytes(settings.Path()).value_or(""), c.bytes) << c.name;
    }
  }
}

}  // namespace
}  // namespace zorvat
