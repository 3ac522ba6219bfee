#include <filesystem>

#include "base/Error.h"
#include "base/TextEncoding.h"
#include "events/DocumentFixture.h"
#include "support/FilesystemPaths.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;
using testing::DocumentTest;
using testing::kExampleFile;
using Boxes = std::vector<std::string>;

constexpr std::string_view kEmptyList = "[BaseInfo]\r\nProgID=Brumsel! Zorvat v1.1\r\n";

void MakeReadOnly(const std::string& path) {
  fs::permissions(PathFromUtf8(path),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

TEST_F(DocumentTest, SaveWritesTheCurrentFileEvenWhenUnchanged) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  Put(path, "changed by someone else");
  doc.Save();
  EXPECT_EQ(Bytes(path), kExampleFile);
  EXPECT_EQ(dialogs.saveDialogs, 0);
}

TEST_F(DocumentTest, SaveWithoutAnExistingCurrentFileGoesToSaveAs) {
  doc.AppendEvent(EventKind::Daily, Message("x"), "-");
  dialogs.Choose(std::nullopt);
  doc.Save();  // unnamed
  EXPECT_EQ(dialogs.saveDialogs, 1);
  EXPECT_TRUE(doc.Dirty());

  const std::string path = File("saved.zrl");
  dialogs.Choose(path);
  doc.Save();
  EXPECT_EQ(doc.CurrentFileName(), path);
  EXPECT_EQ(doc.Caption(), "Brumsel! Zorvat - " + path);
  EXPECT_EQ(doc.Recent()[0], path);
  EXPECT_EQ(doc.InfoItemCaption(), "&Info about...");  // writes leave it
  EXPECT_FALSE(doc.Dirty());

  fs::remove(PathFromUtf8(path));
  const std::string other = File("other.zrl");
  dialogs.Choose(other);
  doc.Save();  // the current file was deleted on disk
  EXPECT_EQ(dialogs.saveDialogs, 3);
  EXPECT_EQ(doc.CurrentFileName(), other);
  EXPECT_FALSE(fs::exists(PathFromUtf8(path)));
}

TEST_F(DocumentTest, SaveAsKeepsTheInfoItemOfTheFileLastRead) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  const std::string copy = File("copy.zrl");
  dialogs.Choose(copy);
  doc.SaveAs();
  EXPECT_EQ(Bytes(copy), kExampleFile);
  EXPECT_EQ(doc.CurrentFileName(), copy);
  EXPECT_EQ(doc.InfoItemCaption(), "&Info about example.zrl...");
  EXPECT_EQ(doc.Recent()[1], copy);
}

TEST_F(DocumentTest, AFailedWriteKeepsTheOldFileAndTheDocumentAsItWas) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  doc.DeleteEvent(EventKind::General, 0);
  MakeReadOnly(path);
  try {
    doc.Save();
    ADD_FAILURE() << "saved over a read-only file";
  } catch (const Error& e) {
    EXPECT_EQ(e.what(), "Unable to write to " + PathToUtf8(fs::absolute(PathFromUtf8(path))));
  }
  EXPECT_EQ(Bytes(path), kExampleFile);
  EXPECT_TRUE(doc.Dirty());

  const std::string unreachable = File("no folder/list.zrl");
  dialogs.Choose(unreachable);
  EXPECT_THROW(doc.SaveAs(), Error);
  EXPECT_EQ(doc.CurrentFileName(), path);
  EXPECT_EQ(doc.Recent()[1], "[Keine#2]");
  EXPECT_TRUE(doc.Dirty());
}

TEST_F(DocumentTest, AnIncompletelyReadFileIsReplacedOnlyWhenTheUserSaysSo) {
  const std::string path = File("damaged.zrl");
  const std::string damaged = "[Daily]\r\n08:00:00=0|kept||0|1\r\nxx=0|lost||0|1\r\n";
  Put(path, damaged);
  doc.ReadFile(path);
  prompts.shown.clear();
  doc.AppendEvent(EventKind::Daily, Message("added"), "-");

  doc.AutoSave();
  EXPECT_EQ(Bytes(path), damaged);
  EXPECT_TRUE(prompts.shown.empty());

  prompts.Answer(PromptAnswer::No);
  doc.Save();
  const std::string question = "Brumsel! Zorvat\n\nSome events of \"" + path +
                               "\" could not be read. Saving replaces the file without them. "
                               "Save anyway?";
  EXPECT_EQ(Texts(), Boxes{question});
  EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::YesNo);
  EXPECT_EQ(Bytes(path), damaged);
  EXPECT_TRUE(doc.Dirty());

  const std::string other = File("other.zrl");
  dialogs.Choose(other);
  doc.SaveAs();  // another file: no question
  EXPECT_EQ(prompts.shown.size(), 1u);
  EXPECT_NE(Bytes(other).find("=0|added|"), std::string::npos);

  prompts.shown.clear();
  dialogs.Choose(path);
  prompts.Answer(PromptAnswer::Yes);
  doc.SaveAs();  // back over the damaged file: asks again
  EXPECT_EQ(Texts(), Boxes{question});
  EXPECT_EQ(Bytes(path), Bytes(other));
  // What the user agreed to lose is gone from the file, so autosave may write it again.
  EXPECT_FALSE(doc.ReadIncompletely());
  doc.AppendEvent(EventKind::Daily, Message("later", 0.75), "-");
  doc.AutoSave();
  EXPECT_NE(Bytes(path).find("=0|later|"), std::string::npos);
}

TEST_F(DocumentTest, TheIncompleteMarkEndsWithACompleteReadOrNew) {
  const std::string path = File("damaged.zrl");
  Put(path, "[Daily]\r\nxx=0\r\n");
  doc.ReadFile(path);
  ASSERT_TRUE(doc.ReadIncompletely());
  doc.New();
  EXPECT_FALSE(doc.ReadIncompletely());

  doc.ReadFile(path);
  ASSERT_TRUE(doc.ReadIncompletely());
  Put(path, kExampleFile);
  doc.ReadFile(path);
  EXPECT_FALSE(doc.ReadIncompletely());
  doc.AppendEvent(EventKind::Daily, Message("added"), "-");
  doc.AutoSave();
  EXPECT_NE(Bytes(path).find("=0|added|"), std::string::npos);
}

TEST_F(DocumentTest, AutosaveWritesOnlyChanges) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  Put(path, "changed by someone else");
  doc.AutoSave();
  EXPECT_EQ(Bytes(path), "changed by someone else");
  EXPECT_FALSE(fs::exists(PathFromUtf8(LibFile("Zorvat AutoSave.zrl"))));

  doc.SetEventActive(EventKind::Monthly, 0, true);
  doc.AutoSave();
  EXPECT_NE(Bytes(path).find("/monthly|1|1\r\n"), std::string::npos);
  EXPECT_FALSE(doc.Dirty());
}

TEST_F(DocumentTest, AutosaveOfAnUnnamedDocumentNeverReplacesAFile) {
  const std::string first = LibFile("Zorvat AutoSave.zrl");
  const std::string second = LibFile("Zorvat AutoSave 2.zrl");
  const std::string third = LibFile("Zorvat AutoSave 3.zrl");
  Put(first, kExampleFile);  // the previous run's events
  fs::create_directory(PathFromUtf8(second));

  doc.AutoSave();  // nothing changed: nothing written
  EXPECT_FALSE(fs::exists(PathFromUtf8(third)));

  doc.AppendEvent(EventKind::Daily, Message("new run"), "-");
  doc.AutoSave();
  EXPECT_EQ(Bytes(first), kExampleFile);
  EXPECT_NE(Bytes(third).find("=0|new run|"), std::string::npos);
  EXPECT_EQ(doc.CurrentFileName(), third);
  EXPECT_EQ(doc.Caption(), "Brumsel! Zorvat - " + third);
  EXPECT_EQ(doc.Recent()[0], third);

  // From then on autosave and Save go to that file.
  doc.AppendEvent(EventKind::Daily, Message("more", 0.5), "-");
  doc.AutoSave();
  EXPECT_NE(Bytes(third).find("=0|more|"), std::string::npos);
  EXPECT_FALSE(fs::exists(PathFromUtf8(LibFile("Zorvat AutoSave 4.zrl"))));
}

TEST_F(DocumentTest, AutosaveAfterNewDoesNotTouchTheFileThatWasOpen) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  doc.New();
  doc.AutoSave();
  doc.AppendEvent(EventKind::Daily, Message("fresh"), "-");
  doc.AutoSave();
  EXPECT_EQ(Bytes(path), kExampleFile);
  EXPECT_EQ(doc.CurrentFileName(), LibFile("Zorvat AutoSave.zrl"));

  doc.New();
  dialogs.Choose(std::nullopt);
  doc.Save();  // unnamed after New: the save dialog, never the old file
  EXPECT_EQ(dialogs.saveDialogs, 1);
}

TEST_F(DocumentTest, OpenStartsInTheLibFolder) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  dialogs.Choose(std::nullopt);
  doc.Open();
  EXPECT_EQ(doc.CurrentFileName(), "");
  dialogs.Choose(path);
  doc.Open();
  const std::string lib = PathToUtf8(PathFromUtf8(folder.Path()) / "Lib");
  EXPECT_EQ(dialogs.opened, (std::vector<std::string>{lib, lib}));
  EXPECT_EQ(doc.CurrentFileName(), path);
}

TEST_F(DocumentTest, RecentEntriesOpenTheirFileOrSayItIsGone) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  doc.New();
  doc.OpenRecent(1);
  EXPECT_EQ(doc.CurrentFileName(), path);
  EXPECT_EQ(doc.Lists()[EventKind::Weekly].Count(), 1u);

  doc.OpenRecent(2);
  EXPECT_EQ(Texts(), Boxes{"Brumsel! Zorvat\n\nOops: File \"[Keine#2]\" does not exist!"});
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
  EXPECT_EQ(doc.Recent()[1], "[Keine#2]");
  EXPECT_EQ(doc.CurrentFileName(), path);
}

// Notepad's "Unicode": the events read, and a save keeps the file in UTF-16 with its mark.
TEST_F(DocumentTest, AUtf16ListReadsAndIsSavedBackInUtf16) {
  for (const FileEncoding encoding : {FileEncoding::Utf16Le, FileEncoding::Utf16Be}) {
    const std::string path = File("unicode.zrl");
    const std::string bytes = EncodeFileText(kExampleFile, encoding);
    Put(path, bytes);
    doc.ReadFile(path);
    EXPECT_EQ(doc.Lists()[EventKind::General].Count(), 1u);
    EXPECT_EQ(doc.Lists()[EventKind::Monthly].Count(), 1u);
    doc.Save();
    EXPECT_EQ(Bytes(path), bytes);
  }
  EXPECT_EQ(Texts(), Boxes{});
}

// None of these may read as an empty list, which the next autosave would put over the file.
TEST_F(DocumentTest, AFileThatIsNoListSaysWhyAndChangesNothing) {
  const std::string kept = File("kept.zrl");
  Put(kept, kExampleFile);
  doc.ReadFile(kept);
  doc.AppendEvent(EventKind::Daily, Message("unsaved"), "-");
  const std::string folder = File("folder.zrl");
  fs::create_directory(PathFromUtf8(folder));
  struct Case {
    std::string name;
    std::string bytes;
    std::string says;
  };
  const Case cases[] = {
      {"gone.zrl", "", "cannot be found!"},
      {"folder.zrl", "", "cannot be read!"},
      {"utf16 without mark.zrl", std::string("[\0D\0a\0i\0l\0y\0]\0", 14),
       "is no Zorvat list: its text is neither ANSI, UTF-8 nor UTF-16!"},
      {"huge.zrl", std::string(kLargestReadableFile + 1, '\n'),
       "is larger than 16 MB and cannot be a Zorvat list!"},
  };
  for (const Case& c : cases) {
    const std::string path = File(c.name);
    if (!c.bytes.empty()) {
      Put(path, c.bytes);
    }
    prompts.shown.clear();
    doc.ReadFile(path);
    EXPECT_EQ(Texts(), Boxes{"Brumsel! Zorvat\n\nOops: File \"" + path + "\" " + c.says}) << c.name;
    EXPECT_EQ(doc.CurrentFileName(), kept);
    EXPECT_EQ(doc.Lists()[EventKind::Daily].Count(), 2u);
    EXPECT_TRUE(doc.Dirty());
    if (!c.bytes.empty()) {
      EXPECT_EQ(fs::file_size(PathFromUtf8(path)), c.bytes.size()) << c.name;
    }
  }
  doc.AutoSave();
  EXPECT_EQ(doc.CurrentFileName(), kept);
}

// A kill between a save's last two steps left the list only in its temporary file: opening the
// list, also through a recent entry, takes it back under its name and says so.
TEST_F(DocumentTest, AListLeftOnlyInItsTemporaryFileIsRecoveredWhenOpened) {
  const std::string path = File("example.zrl");
  const std::string temp = TemporaryFileFor(path);
  const Boxes recovered{"Brumsel! Zorvat\n\nThe list \"" + path +
                        "\" was recovered from an interrupted save."};
  Put(path, kExampleFile);
  doc.ReadFile(path);
  doc.New();
  for (const bool fromRecent : {false, true}) {
    fs::rename(PathFromUtf8(path), PathFromUtf8(temp));
    prompts.shown.clear();
    if (fromRecent) {
      doc.OpenRecent(1);
    } else {
      doc.ReadFile(path);
    }
    EXPECT_EQ(Texts(), recovered);
    EXPECT_EQ(prompts.shown.at(0).icon, PromptIcon::Information);
    EXPECT_EQ(doc.CurrentFileName(), path);
    EXPECT_EQ(doc.Lists()[EventKind::Monthly].Count(), 1u);
    EXPECT_EQ(Bytes(path), kExampleFile);
    EXPECT_FALSE(fs::exists(PathFromUtf8(temp)));
  }
  // A file under the name is read, never the temporary one beside it.
  Put(temp, kEmptyList);
  prompts.shown.clear();
  doc.ReadFile(path);
  EXPECT_EQ(Texts(), Boxes{});
  EXPECT_EQ(doc.Lists()[EventKind::Monthly].Count(), 1u);
  // Also when that file is no list: the document stays as it was.
  const std::string noList("[\0D\0a\0i\0l\0y\0]\0", 14);
  Put(path, noList);
  Put(temp, kEmptyList);
  prompts.shown.clear();
  doc.ReadFile(path);
  EXPECT_NE(Texts(), recovered);
  EXPECT_EQ(doc.Lists()[EventKind::Monthly].Count(), 1u);
  EXPECT_EQ(Bytes(path), noList);
}

class RecentFilesTest : public DocumentTest {
 protected:
  std::string Existing(const std::string& name) {
    std::string path = File(name);
    Put(path, kEmptyList);
    return path;
  }
};

TEST_F(RecentFilesTest, NewPathsFillTheFirstEntryWithoutAFile) {
  RecentFiles recent;
  const std::string a = Existing("a.zrl"), b = Existing("b.zrl"), c = Existing("c.zrl");
  recent.Offer(a);
  recent.Offer(b);
  recent.Offer(c);
  EXPECT_EQ(recent.All(), (RecentFiles::Entries{a, b, c}));

  recent.Offer(b);  // present: keeps its place
  EXPECT_EQ(recent.All(), (RecentFiles::Entries{a, b, c}));

  fs::remove(PathFromUtf8(b));
  const std::string d = Existing("d.zrl");
  recent.Offer(d);  // the entry of a vanished file is free again
  EXPECT_EQ(recent.All(), (RecentFiles::Entries{a, d, c}));
}

TEST_F(RecentFilesTest, WhenAllThreeExistTheNewestGoesOnTop) {
  const std::string a = Existing("a.zrl"), b = Existing("b.zrl"), c = Existing("c.zrl");
  RecentFiles recent({a, b, c});
  const std::string d = Existing("d.zrl");
  recent.Offer(d);
  EXPECT_EQ(recent.All(), (RecentFiles::Entries{d, a, b}));
  const std::string upper = File("D.ZRL");  // compared exactly: another entry
  Put(upper, kEmptyList);
  recent.Offer(upper);
  EXPECT_EQ(recent.All(), (RecentFiles::Entries{upper, d, a}));
}

}  // namespace
}  // namespace zorvat
