#include "events/ListHeadings.h"

namespace zorvat {

std::string ListHeading(EventKind kind, const LiveSettings& live) {
  switch (kind) {
    case EventKind::General:
      return "Events";
    case EventKind::Daily:
      return "daily events";
    case EventKind::Weekly:
      return "Events: " + live.weekDayName + "s";
    case EventKind::Monthly:
      return "Events: every " + std::to_string(live.monthDay) + ". of the month";
  }
  return {};
}

namespace {

// The label turns "&&" into "&" and a lone "&" into an underline, so the row's own texts are
// doubled to show as they are.
void AppendShownAsIs(std::string& label, std::string_view text) {
  for (const char c : text) {
    label += c;
    if (c == '&') {
      label += '&';
    }
  }
}

}  // namespace

std::string SelectionText(EventKind kind, std::string_view caption, std::string_view eventText) {
  // The monthly list says "Date" for its time, and only single events have "Content".
  std::string text = kind == EventKind::General || kind == EventKind::Monthly ? "Date: " : "Time: ";
  AppendShownAsIs(text, caption);
  text += kind == EventKind::General ? ", Type && Content: " : ", Type && Contents: ";
  AppendShownAsIs(text, eventText);
  return text;
}

std::array<ListColumn, 3> EventListColumns(EventKind kind) {
  // The weekly caption's spacing differs from the others on purpose: it is what users see.
  std::string_view first = "0/ I      Time";
  if (kind == EventKind::General) {
    first = "0/ I      Date/Time";
  } else if (kind == EventKind::Weekly) {
    first = "0/I       Time";
  }
  return {{{first, 150}, {"Event", 300}, {"Query", 80}}};
}

std::string WeeklyEventColumnHeader(const LiveSettings& live) {
  return "Ereignis (wöchentlich: " + live.weekDayName + "s)";
}

std::string MonthlyEventColumnHeader(const LiveSettings& live) {
  return "Ereignis (monatlich: jeden " + std::to_string(live.monthDay) + ". des Monats)";
}

std::string_view PropertiesHeading(EventKind kind, bool newEvent) {
  switch (kind) {
    case EventKind::General:
      return newEvent ? "New Zorvat: Event" : "Zorvat: Event";
    case EventKind::Daily:
      return newEvent ? "New Zorvat: daily" : "Zorvat: daily";
    case EventKind::Weekly:
      return newEvent ? "New Zorvat: weekly" : "Zorvat: wöchentlich";
    case EventKind::Monthly:
      return newEvent ? "New Zorvat: monthly" : "Zorvat: monthly";
  }
  return {};
}

}  // namespace zorvat
