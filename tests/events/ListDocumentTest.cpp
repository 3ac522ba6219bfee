#include "events/DocumentFixture.h"

#include "base/Error.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;
using testing::DocumentTest;
using testing::kDiscardQuestion;
using testing::kExampleFile;
using Boxes = std::vector<std::string>;

TEST_F(DocumentTest, StartsEmptyAndUnnamed) {
  EXPECT_EQ(doc.Caption(), "Brumsel! Zorvat - NoName.zrl");
  EXPECT_EQ(doc.InfoItemCaption(), "&Info about...");
  EXPECT_EQ(doc.CurrentFileName(), "");
  EXPECT_FALSE(doc.Dirty());
  EXPECT_EQ(doc.Recent().All(), RecentFiles::StartCaptions());
}

TEST_F(DocumentTest, ReadingFillsListsRowsAndState) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_EQ(doc.Caption(), "Brumsel! Zorvat - " + path);
  EXPECT_EQ(doc.InfoItemCaption(), "&Info about example.zrl...");
  EXPECT_EQ(doc.CurrentFileName(), path);
  const std::string ampersand = File("R&D && co.zrl");
  Put(ampersand, kExampleFile);
  doc.ReadFile(ampersand);
  EXPECT_EQ(doc.InfoItemCaption(), "&Info about R&&D &&&& co.zrl...");
  doc.ReadFile(path);
  EXPECT_EQ(doc.Recent()[0], path);
  EXPECT_FALSE(doc.Dirty());
  EXPECT_FALSE(doc.ReadIncompletely());
  EXPECT_EQ(doc.Rows(EventKind::General)[0],
            (EventRow{"24.12.1998 18:30:00", "Message: \"Christmas dinner\"", "No", true,
                      RowIcon::Kind(KindIcon::Message)}));
  EXPECT_EQ(doc.Rows(EventKind::Weekly)[0],
            (EventRow{"17:00:00", R"(Copy file, from "C:\Data\work.mdb" to "D:\Backup\work.mdb")",
                      "Yes", true, RowIcon::OfFile("C:\\Data\\work.mdb")}));
  EXPECT_EQ(doc.Rows(EventKind::Monthly)[0].checked, false);
  for (EventKind kind : kAllKinds) {
    EXPECT_EQ(doc.Rows(kind).Count(), doc.Lists()[kind].Count());
  }
}

TEST_F(DocumentTest, ReadingAMissingFileChangesNothing) {
  const std::string missing = File("gone.zrl");
  doc.AppendEvent(EventKind::Daily, Message("kept"), "-");
  doc.ReadFile(missing);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text,
            "Brumsel! Zorvat\n\nOops: File \"" + missing + "\" cannot be found!");
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
  EXPECT_EQ(doc.Lists()[EventKind::Daily].Count(), 1u);
  EXPECT_TRUE(doc.Dirty());
  EXPECT_EQ(doc.Caption(), "Brumsel! Zorvat - NoName.zrl");
}

TEST_F(DocumentTest, ReadingOverUnsavedChangesAsksFirst) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.AppendEvent(EventKind::Daily, Message("unsaved"), "-");
  prompts.Answer(PromptAnswer::Cancel);
  doc.ReadFile(path);
  ASSERT_EQ(Texts(), Boxes{kDiscardQuestion});
  EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::YesCancel);
  EXPECT_EQ(doc.Lists()[EventKind::Daily][0].task.operand1, "unsaved");
  EXPECT_EQ(doc.CurrentFileName(), "");

  prompts.Answer(PromptAnswer::Yes);
  doc.ReadFile(path);
  EXPECT_EQ(doc.Lists()[EventKind::Daily][0].task.operand1, "C:\\Sounds\\wake.wav");
  EXPECT_EQ(doc.Lists()[EventKind::Daily].Count(), 1u);
  EXPECT_FALSE(doc.Dirty());
}

TEST_F(DocumentTest, ReadingEmptiesTheListsAsNewDoes) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  Put(path, "[Daily]\r\n06:00:00=8|||0|1\r\n");
  doc.ReadFile(path);
  EXPECT_EQ(doc.Lists()[EventKind::General].Count(), 0u);
  EXPECT_EQ(doc.Rows(EventKind::General).Count(), 0u);
  // The slot of the earlier event is cleared and stamped with the time of the read.
  EXPECT_EQ(doc.Lists()[EventKind::General][0],
            (EventRecord{clock.Now(), kCmdCleared, "", "", false, false, true}));
  EXPECT_EQ(doc.Rows(EventKind::Daily)[0].eventText, "Reboot");
}

// The main window clears every list's selection when the lists are another list's: once for
// each New, Open or read that replaced them (one recovered from its temporary file too), never
// for a read that was refused or a question the user cancelled, which leave the rows as they were.
TEST_F(DocumentTest, EachReplacementOfTheListsIsCountedOnce) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  const auto replacements = [&](const auto& step) {
    const std::uint64_t before = doc.ListsReplaced();
    step();
    return doc.ListsReplaced() - before;
  };
  const auto change = [&] { doc.AppendEvent(EventKind::Daily, Message("unsaved"), "-"); };
  EXPECT_EQ(replacements([&] {
              dialogs.Choose(path);
              doc.Open();
            }),
            1u);
  EXPECT_EQ(replacements([&] { doc.New(); }), 1u);
  fs::rename(PathFromUtf8(path), PathFromUtf8(TemporaryFileFor(path)));
  EXPECT_EQ(replacements([&] { doc.ReadFile(path); }), 1u);  // recovered
  EXPECT_EQ(replacements([&] { doc.ReadFile(File("gone.zrl")); }), 0u);
  EXPECT_EQ(replacements([&] {
              dialogs.Choose(std::nullopt);
              doc.Open();
            }),
            0u);
  change();
  EXPECT_EQ(replacements([&] {
              prompts.Answer(PromptAnswer::Cancel);
              doc.ReadFile(path);
            }),
            0u);
  EXPECT_EQ(replacements([&] {
              prompts.Answer(PromptAnswer::Cancel);
              doc.New();
            }),
            0u);
  EXPECT_EQ(doc.Lists()[EventKind::Daily].Count(), 2u);  // the rows were never replaced
}

TEST_F(DocumentTest, SkippedKeysGiveOneBoxAndMarkTheListIncomplete) {
  const std::string path = File("damaged.zrl");
  Put(path, "[Daily]\r\n08:00:00=0|kept||0|1\r\nxx=0|lost||0|1\r\n[Weekly]\r\n09:00:00=y\r\n");
  doc.ReadFile(path);
  EXPECT_EQ(Texts(), Boxes{"'xx' is not a valid time.\n"
                           "1 more event could not be read either and was skipped."});
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
  EXPECT_EQ(doc.Lists()[EventKind::Daily].Count(), 1u);
  EXPECT_EQ(doc.CurrentFileName(), path);
  EXPECT_FALSE(doc.Dirty());
  EXPECT_TRUE(doc.ReadIncompletely());
}

// One box per read, naming every section that was cut.
TEST_F(DocumentTest, OverfullSectionsAreReportedOncePerRead) {
  std::string text;
  for (const char* section : {"General", "Daily", "Weekly"}) {
    text += std::string("[") + section + "]\r\n";
    for (int i = 0; i < 260; ++i) {
      const std::string time = std::to_string(i / 60) + ":" + std::to_string(i % 60) + ":00";
      text += (std::string(section) == "General" ? "01.01.2026 " + time : time) + "=5|x\r\n";
    }
  }
  const std::string path = File("big.zrl");
  Put(path, text);
  doc.ReadFile(path);
  EXPECT_EQ(Texts(), Boxes{"Brumsel! Zorvat\n\nThe list holds at most 256 events of one "
                           "kind; the remaining events of sections \"General\", \"Daily\" and "
                           "\"Weekly\" were not read."});
  EXPECT_EQ(doc.Rows(EventKind::Daily).Count(), 256u);
  EXPECT_TRUE(doc.ReadIncompletely());

  prompts.shown.clear();
  Put(path, "[Weekly]\r\n" + text.substr(text.find("[Weekly]") + 10));
  doc.ReadFile(path);
  EXPECT_EQ(Texts(), Boxes{"Brumsel! Zorvat\n\nThe list holds at most 256 events of one "
                           "kind; the remaining events of section \"Weekly\" were not read."});
}

TEST_F(DocumentTest, NewAsksOnlyWhenDirtyAndLeavesTheDocumentUnnamed) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  doc.New();  // unchanged: no question
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_EQ(doc.CurrentFileName(), "");
  EXPECT_EQ(doc.Caption(), "Brumsel! Zorvat - NoName.zrl");
  EXPECT_EQ(doc.InfoItemCaption(), "&Info about...");
  EXPECT_EQ(doc.Recent()[0], path);
  for (EventKind kind : kAllKinds) {
    EXPECT_EQ(doc.Lists()[kind].Count(), 0u);
    EXPECT_EQ(doc.Rows(kind).Count(), 0u);
  }

  doc.AppendEvent(EventKind::Monthly, Message("new"), "-");
  prompts.Answer(PromptAnswer::Cancel);
  doc.New();
  EXPECT_EQ(Texts(), Boxes{kDiscardQuestion});
  EXPECT_EQ(doc.Lists()[EventKind::Monthly].Count(), 1u);
  EXPECT_TRUE(doc.Dirty());
  prompts.Answer(PromptAnswer::Yes);
  doc.New();
  EXPECT_EQ(doc.Lists()[EventKind::Monthly].Count(), 0u);
  EXPECT_FALSE(doc.Dirty());
}

TEST_F(DocumentTest, DeletingUndeletingAndTickingAreUnsavedChanges) {
  const std::string path = File("example.zrl");
  Put(path, kExampleFile);
  const auto fresh = [&] {
    doc.ReadFile(path);
    ASSERT_FALSE(doc.Dirty());
  };
  fresh();
  doc.DeleteEvent(EventKind::Daily, 0);
  EXPECT_TRUE(doc.Dirty());
  EXPECT_EQ(doc.Rows(EventKind::Daily)[0].eventText, "[removed]");
  EXPECT_FALSE(doc.Rows(EventKind::Daily)[0].checked);
  EXPECT_TRUE(doc.Lists()[EventKind::Daily][0].active);
  EXPECT_TRUE(doc.Lists()[EventKind::Daily][0].deleted);
  prompts.Answer(PromptAnswer::Cancel);
  doc.New();
  EXPECT_EQ(Texts(), Boxes{kDiscardQuestion});
  prompts.shown.clear();

  prompts.Answer(PromptAnswer::Yes);
  fresh();
  doc.UndeleteEvent(EventKind::Daily, 0);  // not deleted: the same texts again, no change
  EXPECT_FALSE(doc.Dirty());
  doc.DeleteEvent(EventKind::Daily, 0);
  doc.Save();
  ASSERT_FALSE(doc.Dirty());
  doc.UndeleteEvent(EventKind::Daily, 0);
  EXPECT_TRUE(doc.Dirty());
  EXPECT_EQ(doc.Rows(EventKind::Daily)[0].eventText, "Alert");
  EXPECT_TRUE(doc.Rows(EventKind::Daily)[0].checked);

  doc.Save();
  doc.SetEventActive(EventKind::Monthly, 0, false);  // already inactive
  EXPECT_FALSE(doc.Dirty());
  doc.SetEventActive(EventKind::Monthly, 0, true);
  EXPECT_TRUE(doc.Dirty());
  EXPECT_TRUE(doc.Rows(EventKind::Monthly)[0].checked);
  EXPECT_TRUE(doc.Lists()[EventKind::Monthly][0].active);
}

TEST_F(DocumentTest, AppendAndReplaceKeepRowsInStepWithRecords) {
  EXPECT_TRUE(doc.AppendEvent(
      EventKind::General,
      {EncodeDate(2026, 4, 1), kCmdDeleteFile, "C:\\x.tmp", "", true, false, false}, "Yes"));
  EXPECT_TRUE(doc.Dirty());
  EXPECT_EQ(doc.Rows(EventKind::General)[0],
            (EventRow{"01.04.2026", "Delete file: \"C:\\x.tmp\"", "Yes", false,
                      RowIcon::OfFile("C:\\x.tmp")}));
  doc.ReplaceEvent(
      EventKind::General, 0,
      {EncodeDateTime({2026, 4, 1}, {9, 0, 0, 0}), kCmdControlPanel, "", "", false, true, false},
      "-");
  EXPECT_EQ(doc.Rows(EventKind::General)[0],
            (EventRow{"01.04.2026 09:00:00", "[Unknown]", "-", true,
                      RowIcon::OfFile("C:\\x.tmp")}));  // no icon of its own: the old one stays
  EXPECT_EQ(doc.Lists()[EventKind::General][0].task.command, kCmdControlPanel);
  EXPECT_FALSE(doc.ReplaceEvent(EventKind::General, 1, Message("x"), "-"));
  EXPECT_FALSE(doc.DeleteEvent(EventKind::Daily, 0));
  EXPECT_EQ(doc.Rows(EventKind::General).Count(), 1u);
}

TEST_F(DocumentTest, AFullListRefusesTheNextEvent) {
  for (int i = 0; i < 256; ++i) {
    ASSERT_TRUE(doc.AppendEvent(EventKind::Weekly, Message(std::to_string(i)), "-"));
  }
  EXPECT_FALSE(doc.AppendEvent(EventKind::Weekly, Message("257th"), "-"));
  EXPECT_EQ(doc.Lists()[EventKind::Weekly].Count(), 256u);
  EXPECT_EQ(doc.Rows(EventKind::Weekly).Count(), 256u);
  EXPECT_EQ(doc.Rows(EventKind::Weekly)[255].eventText, "Message: \"255\"");
}

// A file may carry longer texts for a one-digit command than anyone can type: such an event
// stays editable, and only a command whose wider code would cut them on reading is refused.
TEST_F(DocumentTest, AnEventReadWithLongTextsStaysEditable) {
  const std::string path = File("long.zrl");
  const std::string longest(2040, 'a');
  Put(path, "[Daily]\r\n07:15:00=2|" + longest + "||1|1\r\n");
  doc.ReadFile(path);
  ASSERT_EQ(doc.Lists()[EventKind::Daily][0].task.operand1, longest);
  EventRecord edited = doc.Lists()[EventKind::Daily][0];
  edited.task.time = 0.5;
  EXPECT_TRUE(doc.ReplaceEvent(EventKind::Daily, 0, edited, "Yes"));
  edited.task.command = 10;
  EXPECT_THROW(doc.ReplaceEvent(EventKind::Daily, 0, edited, "Yes"), Error);
  EXPECT_EQ(doc.Lists()[EventKind::Daily][0].task.time, 0.5);
}

TEST_F(DocumentTest, OperandsThatCannotBeStoredAreRefused) {
  doc.AppendEvent(EventKind::Daily, Message("ok"), "-");
  for (const char* bad : {"a|b", "two\r\nlines", "\n"}) {
    EventRecord record = Message("fine");
    record.task.operand2 = bad;
    try {
      doc.AppendEvent(EventKind::Daily, record, "-");
      ADD_FAILURE() << "stored " << bad;
    } catch (const Error& e) {
      EXPECT_EQ(e.what(), UnstorableOperandMessage());
    }
    EXPECT_THROW(doc.ReplaceEvent(EventKind::Daily, 0, Message(bad), "-"), Error);
  }
  EXPECT_EQ(doc.Lists()[EventKind::Daily].Count(), 1u);
  EXPECT_EQ(doc.Lists()[EventKind::Daily][0].task.operand1, "ok");
  EXPECT_EQ(doc.Rows(EventKind::Daily).Count(), 1u);
}

}  // namespace
}  // namespace zorvat
