#include "events/EventLists.h"

namespace zorvat {

std::string_view SectionName(EventKind kind) {
  switch (kind) {
    case EventKind::General:
      return "General";
    case EventKind::Daily:
      return "Daily";
    case EventKind::Weekly:
      return "Weekly";
    case EventKind::Monthly:
      return "Monthly";
  }
  return {};
}

bool EventList::Append(const EventRecord& record) {
  if (Full()) {
    return false;
  }
  slots_[count_] = record;
  ++count_;
  return true;
}

void EventList::Replace(std::size_t i, const EventRecord& record) {
  slots_.at(i) = record;
}

void EventList::SetDeleted(std::size_t i, bool deleted) {
  slots_.at(i).deleted = deleted;
}

void EventList::SetActive(std::size_t i, bool active) {
  slots_.at(i).active = active;
}

void EventList::Clear(DateTime now) {
  for (std::size_t i = 0; i < count_; ++i) {
    slots_[i] = EventRecord{{now, kCmdCleared, {}, {}, false}, false, true};
  }
  count_ = 0;
}

}  // namespace zorvat
