#include <filesystem>
#include <optional>

#include "base/Error.h"
#include "events/DocumentFixture.h"
#include "events/ExitPath.h"
#include "events/StartupList.h"
#include "settings/SettingsStore.h"
#include "support/FilesystemPaths.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;
using testing::kExampleFile;
using Boxes = std::vector<std::string>;

constexpr const char* kUnsavedQuestion =
    "Brumsel! Zorvat\n\nThere is data in the list that has not been saved yet. Save it before "
    "exiting?";
constexpr const char* kExitQuestion =
    "Brumsel! Zorvat\n\nIf you close Zorvat, no tasks can be done.\nDo you want to exit anyway?";

class StartAndExitTest : public testing::DocumentTest {
 protected:
  std::string Setting(const StringKey& key) const { return settings.Read(key); }
  void Change() { doc.AppendEvent(EventKind::Daily, Message("typed"), "-"); }
  // The example list read afresh from `path`, then changed.
  void ChangedFromTheFile(const std::string& path) {
    Put(path, kExampleFile);
    if (doc.Dirty()) {
      prompts.Answer(PromptAnswer::Yes);  // the reader's own question
    }
    doc.ReadFile(path);
    Change();
  }

  SettingsFile settings{folder.Path()};
  ExitPath exit{prompts, doc, settings};
  WindowLayout layout{240, true};
};

TEST_F(StartAndExitTest, StartupListFollowsDefaultLibModeAndAnEmptyNameOpensNothing) {
  const std::string last = File("last.zrl");
  const std::string chosen = File("default.zrl");
  Put(last, kExampleFile);
  Put(chosen, kExampleFile);
  const std::string missing = File("gone.zrl");
  const struct {
    int mode;
    std::string lastOpened, defaultLib, opened;
    Boxes boxes;
  } cases[] = {
      {0, last, chosen, "", {}},
      {1, "", chosen, "", {}},  // first start, or after New: no box
      {1, last, chosen, last, {}},
      {1, missing, "", "", {"Brumsel! Zorvat\n\nOops: File \"" + missing + "\" cannot be found!"}},
      {2, last, chosen, chosen, {}},
      {2, last, "", "", {}},
      {3, last, chosen, "", {}},
  };
  for (const auto& c : cases) {
    testing::ScriptedPrompts boxes;
    ListDocument fresh(boxes, dialogs, clock, RegionalFormats::DeDe(), folder.Path());
    settings.Write(keys::kDefaultLibMode, c.mode);
    settings.Write(keys::kLastOpened, c.lastOpened);
    settings.Write(keys::kDefaultLib, c.defaultLib);
    OpenStartupList(settings, fresh);
    EXPECT_EQ(fresh.CurrentFileName(), c.opened) << c.mode << " " << c.lastOpened;
    Boxes texts;
    for (const auto& box : boxes.shown) {
      texts.push_back(box.text);
    }
    EXPECT_EQ(texts, c.boxes) << c.mode;
  }
}

TEST_F(StartAndExitTest, ExitQuestionComesAfterTheSettingsAreWritten) {
  const std::string path = File("list.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
    fs::remove(PathFromUtf8(settings.Path()));
    prompts.shown.clear();
    prompts.Answer(answer);
    EXPECT_EQ(exit.MayClose(layout), answer == PromptAnswer::Yes);
    EXPECT_EQ(Texts(), Boxes{kExitQuestion});  // unchanged: no save question
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(Bytes(settings.Path()),
              "[Config]\r\nZorvatChoice_Width=240\r\nMax=1\r\n[Recent]\r\nLastOpened=" + path +
                  "\r\nShortCut#1=" + path +
                  "\r\nShortCut#2=[Keine#2]\r\nShortCut#3=[Keine#3]\r\n");
  }
}

TEST_F(StartAndExitTest, UnsavedChangesAreOfferedBeforeTheExitQuestion) {
  const std::string path = File("list.zrl");
  const struct {
    PromptAnswer save;
    std::optional<PromptAnswer> exitAnswer;  // nothing: not asked
    bool closes, saved;
  } cases[] = {
      {PromptAnswer::Yes, PromptAnswer::Yes, true, true},
      {PromptAnswer::No, PromptAnswer::Yes, true, false},
      {PromptAnswer::No, PromptAnswer::No, false, false},
      {PromptAnswer::Cancel, std::nullopt, false, false},
  };
  for (const auto& c : cases) {
    ChangedFromTheFile(path);
    prompts.shown.clear();
    prompts.Answer(c.save);
    if (c.exitAnswer) {
      prompts.Answer(*c.exitAnswer);
    }
    EXPECT_EQ(exit.MayClose(layout), c.closes) << static_cast<int>(c.save);
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown[0].text, kUnsavedQuestion);
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompts.shown.size(), c.exitAnswer ? 2u : 1u);
    EXPECT_EQ(Bytes(path).find("typed") != std::string::npos, c.saved);
    EXPECT_EQ(doc.Dirty(), !c.saved);
  }
}

TEST_F(StartAndExitTest, ASaveThatIsCancelledOrFailsKeepsTheProgramRunning) {
  Change();  // unnamed: Save goes to the save dialog
  prompts.Answer(PromptAnswer::Yes);
  dialogs.Choose(std::nullopt);
  EXPECT_FALSE(exit.MayClose(layout));
  EXPECT_EQ(Texts(), Boxes{kUnsavedQuestion});

  const std::string blocked = File("folder.zrl");
  fs::create_directory(PathFromUtf8(blocked));  // a folder where the file should go
  prompts.Answer(PromptAnswer::Yes);
  dialogs.Choose(blocked);
  EXPECT_THROW(exit.MayClose(layout), Error);
  EXPECT_TRUE(doc.Dirty());
  EXPECT_EQ(prompts.shown.size(), 2u);  // no exit question
}

TEST_F(StartAndExitTest, SessionEndSavesWhatNobodyCanBeAskedAbout) {
  // An incompletely read file is never written over; the changes go to a fresh autosave file.
  const std::string path = File("damaged.zrl");
  const std::string damaged = "[Daily]\r\n08:00:00=0|kept||0|1\r\nxx=0|lost||0|1\r\n";
  Put(path, damaged);
  doc.ReadFile(path);
  Change();
  exit.SessionEnds(layout);
  EXPECT_EQ(Bytes(path), damaged);
  const std::string autosave = LibFile("Zorvat AutoSave.zrl");
  EXPECT_NE(Bytes(autosave).find("typed"), std::string::npos);
  EXPECT_EQ(Setting(keys::kLastOpened), autosave);
  EXPECT_FALSE(doc.Dirty());

  // Once the user has agreed to close (and said No to saving), the session end writes nothing.
  Change();
  prompts.Answer(PromptAnswer::No);
  prompts.Answer(PromptAnswer::Yes);
  ASSERT_TRUE(exit.MayClose(layout));
  fs::remove(PathFromUtf8(settings.Path()));
  exit.SessionEnds(layout);
  EXPECT_TRUE(doc.Dirty());
  EXPECT_FALSE(fs::exists(PathFromUtf8(settings.Path())));
}

// The session ends while the close still asks (Alt+F4, then the end comes with a box open): an
// answer the user gave holds, only what he has not answered is saved unasked. A No followed by
// staying asks again at the next close, so the end after it saves.
TEST_F(StartAndExitTest, ASessionEndDuringTheCloseKeepsTheAnswersGiven) {
  const std::string path = File("list.zrl");
  const struct {
    const char* endsDuring;  // nullptr: after the close
    PromptAnswer save, exitAnswer;
    bool saved;
  } cases[] = {
      {kUnsavedQuestion, PromptAnswer::Cancel, PromptAnswer::No, true},
      {kExitQuestion, PromptAnswer::No, PromptAnswer::No, false},
      {nullptr, PromptAnswer::No, PromptAnswer::No, true},
  };
  for (const auto& c : cases) {
    ChangedFromTheFile(path);
    prompts.Answer(c.save);
    if (c.save != PromptAnswer::Cancel) {
      prompts.Answer(c.exitAnswer);
    }
    prompts.onShow = [&](const testing::ScriptedPrompts::Shown& box) {
      if (c.endsDuring && box.text == c.endsDuring) {
        exit.SessionEnds(layout);
      }
    };
    EXPECT_FALSE(exit.MayClose(layout));
    prompts.onShow = nullptr;
    if (!c.endsDuring) {
      exit.SessionEnds(layout);
    }
    EXPECT_EQ(Bytes(path).find("typed") != std::string::npos, c.saved) << c.endsDuring;
    EXPECT_EQ(doc.Dirty(), !c.saved) << c.endsDuring;
    EXPECT_EQ(Setting(keys::kLastOpened), path) << c.endsDuring;
  }
}

// A list whose own file refuses the write at the session's end goes to a fresh autosave file,
// which the settings then name; the refusal is still told.
TEST_F(StartAndExitTest, SessionEndKeepsTheChangesWhenTheListsOwnFileRefusesThem) {
  const std::string path = File("list.zrl");
  Put(path, kExampleFile);
  doc.ReadFile(path);
  Change();
  fs::permissions(PathFromUtf8(path), fs::perms::owner_read | fs::perms::group_read);
  try {
    exit.SessionEnds(layout);
    ADD_FAILURE() << "the refusal is not told";
  } catch (const Error& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
  }
  EXPECT_EQ(Bytes(path), kExampleFile);
  const std::string autosave = LibFile("Zorvat AutoSave.zrl");
  EXPECT_NE(Bytes(autosave).find("typed"), std::string::npos);
  EXPECT_EQ(Setting(keys::kLastOpened), autosave);
  EXPECT_EQ(settings.Read(keys::kZorvatChoiceWidth), 240);
  EXPECT_FALSE(doc.Dirty());
}

// The start could not read the settings, so the list to open and the recent lists are the
// defaults': a close writes none of them over a file that has become readable meanwhile.
TEST_F(StartAndExitTest, AfterAnUnreadStartTheCloseLeavesTheSettingsFileAlone) {
  const std::string repaired = "[Config]\r\nLastOpened=C:\\Lists\\work.zrl\r\n";
  Put(settings.Path(), repaired);
  for (const bool sessionEnds : {false, true}) {
    ExitPath unread{prompts, doc, settings};
    unread.SettingsTroubleShown();
    unread.SettingsUnreadAtStart();
    Change();
    if (sessionEnds) {
      unread.SessionEnds(layout);
      EXPECT_FALSE(doc.Dirty());  // the list itself is still saved
    } else {
      prompts.Answer(PromptAnswer::No);  // save before exiting?
      prompts.Answer(PromptAnswer::Yes);
      EXPECT_TRUE(unread.MayClose(layout));
    }
    EXPECT_EQ(Bytes(settings.Path()), repaired) << sessionEnds;
  }
}

// Settings that cannot be written never keep the program from ending: the failure is told once,
// at the first close or at the start, and the exit question follows.
TEST_F(StartAndExitTest, AnUnwritableSettingsFileIsToldOnceAndTheExitGoesOn) {
  fs::create_directory(PathFromUtf8(settings.Path()));  // no file can go there
  const std::string failure = "Unable to write to " + settings.Path() + ".";
  prompts.Answer(PromptAnswer::No);
  EXPECT_FALSE(exit.MayClose(layout));
  EXPECT_EQ(Texts(), (Boxes{failure, kExitQuestion}));
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
  prompts.shown.clear();
  prompts.Answer(PromptAnswer::Yes);
  EXPECT_TRUE(exit.MayClose(layout));
  EXPECT_EQ(Texts(), Boxes{kExitQuestion});

  ExitPath toldAtStart{prompts, doc, settings};
  toldAtStart.SettingsTroubleShown();
  prompts.shown.clear();
  toldAtStart.SessionEnds(layout);
  prompts.Answer(PromptAnswer::Yes);
  EXPECT_TRUE(toldAtStart.MayClose(layout));
  EXPECT_EQ(Texts(), Boxes{kExitQuestion});
}

}  // namespace
}  // namespace zorvat
