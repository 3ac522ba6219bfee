#include <gtest/gtest.h>

#include "events/EditingQuestions.h"
#include "events/EventMessages.h"

namespace zorvat {
namespace {

TEST(DeleteQuestion, WordForWordForEachList) {
  const struct {
    EventKind kind;
    const char* question;
  } cases[] = {
      {EventKind::General,
       "Remove Zorvat \n\nReally delete event \"Reboot\" (Datum: 24.12.1998 18:30:00) ?"},
      {EventKind::Daily, "Remove Zorvat\n\nReally delete event \"Reboot\" (uhrzeit: 18:30:00) ?"},
      {EventKind::Weekly, "Remove Zorvat\n\nReally delete event \"Reboot\" (Uhrzeit: 18:30:00) ?"},
      {EventKind::Monthly, "Remove Zorvat\n\nReally remove event \"Reboot\" (Uhrzeit: 18:30:00) ?"},
  };
  for (const auto& c : cases) {
    const char* caption = c.kind == EventKind::General ? "24.12.1998 18:30:00" : "18:30:00";
    EXPECT_EQ(DeleteQuestion(c.kind, "Reboot", caption), c.question);
  }
}

TEST(UndeleteQuestion, GermanForSingleEventsEnglishForTheOthers) {
  const std::string text = "Message: \"Hi\"";
  EXPECT_EQ(UndeleteQuestion(EventKind::General, text),
            "Undelete Zorvat\n\nSoll das Zorvat \"Message: \"Hi\"\" wiederhergestellt werden?");
  for (EventKind kind : {EventKind::Daily, EventKind::Weekly, EventKind::Monthly}) {
    EXPECT_EQ(UndeleteQuestion(kind, text),
              "Undelete Zorvat\n\nRecreate Zorvat \"Message: \"Hi\"\" ?");
  }
}

TEST(ExitQuestions, WordForWord) {
  EXPECT_EQ(ExitQuestion(),
            "Brumsel! Zorvat\n\nIf you close Zorvat, no tasks can be done.\n"
            "Do you want to exit anyway?");
  EXPECT_EQ(UnsavedChangesQuestion(),
            "Brumsel! Zorvat\n\nThere is data in the list that has not been saved yet. "
            "Save it before exiting?");
}

}  // namespace
}  // namespace zorvat
