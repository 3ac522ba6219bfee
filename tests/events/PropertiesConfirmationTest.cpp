#include "events/PropertiesConfirmation.h"

#include "events/TaskKinds.h"

#include <gtest/gtest.h>

namespace zorvat {
namespace {

const DateTime kPickedDate = EncodeDateTime({2027, 3, 14}, {8, 0, 0, 0});
const DateTime kPickedTime = EncodeDateTime({2026, 3, 5}, {21, 45, 30, 0});

TEST(PropertiesConfirmation, SingleEventsJoinTheDateWithTheTimeOfDayOthersTakeTheTimePicker) {
  const PropertiesChoice choice{kPickedDate, kPickedTime, kCmdReboot, true, {"a", "b"}};
  EXPECT_EQ(ConfirmProperties(EventKind::General, choice, std::nullopt, true).record.task.time,
            EncodeDateTime({2027, 3, 14}, {21, 45, 30, 0}));
  EXPECT_EQ(ConfirmProperties(EventKind::Weekly, choice, std::nullopt, true).record.task.time,
            kPickedTime);
}

TEST(PropertiesConfirmation, MessageAndAlertNeverAskOthersAskAsChosen) {
  const struct {
    int command;
    bool query;
    std::string_view queryText;
    bool storedQuery;
  } cases[] = {{kCmdMessage, true, "-", false},
               {kCmdAlert, true, "-", false},
               {kCmdAppStart, true, "Yes", true},
               {kCmdReboot, false, "No", false},
               {kCmdControlPanel, true, "Yes", true}};
  for (const auto& c : cases) {
    const PropertiesChoice choice{kPickedDate, kPickedTime, c.command, c.query, {"x", "y"}};
    const ConfirmedEvent event = ConfirmProperties(EventKind::Daily, choice, std::nullopt, true);
    EXPECT_EQ(event.queryText, c.queryText) << c.command;
    EXPECT_EQ(event.record.task.query, c.storedQuery) << c.command;
    EXPECT_EQ(event.record.task.command, c.command);
    EXPECT_EQ(event.record.task.operand1, "x");
    EXPECT_EQ(event.record.task.operand2, "y");
  }
}

// An event the user switched off stays off when its properties are confirmed.
TEST(PropertiesConfirmation, NewEventsTakeTheSettingExistingOnesKeepTheirStateAndComeBack) {
  const PropertiesChoice choice{kPickedDate, kPickedTime, kCmdTurnOff, false, {"", ""}};
  const Task turnOff{0.25, kCmdTurnOff, "", "", false};
  const EventRecord off{turnOff, false, true};
  const EventRecord on{turnOff, true, false};
  const struct {
    std::optional<EventRecord> existing;
    bool setting;
    bool active;
  } cases[] = {{std::nullopt, true, true},
               {std::nullopt, false, false},
               {off, true, false},
               {on, false, true}};
  for (const auto& c : cases) {
    const ConfirmedEvent event =
        ConfirmProperties(EventKind::Monthly, choice, c.existing, c.setting);
    EXPECT_EQ(event.record.active, c.active);
    EXPECT_FALSE(event.record.deleted);
  }
}

// Only "no entry" keeps the old command: the first entry ("Message", choice 0) is a choice too.
TEST(PropertiesConfirmation, NoEntryChosenKeepsAnExistingCommandAndANewOneMayNotConfirm) {
  const PropertiesChoice none{kPickedDate, kPickedTime, -1, true, {"x", "y"}};
  const EventRecord fromFile{{0.25, 44, "x", "y", true}, true, false};
  EXPECT_EQ(ConfirmProperties(EventKind::Daily, none, fromFile, true).record.task.command, 44);
  for (const int choice : {0, 1}) {
    const PropertiesChoice chosen{kPickedDate, kPickedTime, choice, true, {"x", "y"}};
    EXPECT_EQ(ConfirmProperties(EventKind::Daily, chosen, fromFile, true).record.task.command,
              CommandOfChoice(choice));
  }
  EXPECT_EQ(CommandOfChoice(0), kCmdMessage);
  EXPECT_EQ(ConfirmProperties(EventKind::Daily, none, std::nullopt, true).record.task.command,
            kCmdCleared);
  EXPECT_TRUE(MayConfirm(-1, false));
  EXPECT_FALSE(MayConfirm(-1, true));
  EXPECT_TRUE(MayConfirm(0, true));
}

TEST(PropertiesConfirmation, AFullListRefusesANewEvent) {
  EventList list;
  for (std::size_t i = 0; i + 1 < EventList::kCapacity; ++i) {
    ASSERT_TRUE(list.Append({}));
  }
  EXPECT_EQ(NewEventRefusal(list), std::nullopt);
  ASSERT_TRUE(list.Append({}));
  EXPECT_EQ(NewEventRefusal(list),
            "Brumsel! Zorvat\n\nThe list holds at most 256 events of one kind.");
}

}  // namespace
}  // namespace zorvat
