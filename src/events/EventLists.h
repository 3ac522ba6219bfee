#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "events/EventRecord.h"

namespace zorvat {

// In the order the lists are walked, written and read: single, daily, weekly, monthly.
enum class EventKind { General = 0, Daily = 1, Weekly = 2, Monthly = 3 };
inline constexpr std::array<EventKind, 4> kAllKinds = {EventKind::General, EventKind::Daily,
                                                       EventKind::Weekly, EventKind::Monthly};

// The list file section of a kind: "General", "Daily", "Weekly", "Monthly".
std::string_view SectionName(EventKind kind);

// A fixed table of 256 slots; slots 0 .. Count()-1 are in use. Nothing is ever written past
// the last slot.
class EventList {
 public:
  static constexpr std::size_t kCapacity = 256;

  std::size_t Count() const { return count_; }
  bool Full() const { return count_ == kCapacity; }
  const EventRecord& operator[](std::size_t i) const { return slots_.at(i); }

  // False, and nothing changes, when the list is full.
  bool Append(const EventRecord& record);
  void Replace(std::size_t i, const EventRecord& record);
  void SetDeleted(std::size_t i, bool deleted);
  void SetActive(std::size_t i, bool active);
  // Every used slot becomes a cleared one stamped `now`; the count drops to 0.
  void Clear(DateTime now);

 private:
  std::array<EventRecord, kCapacity> slots_{};
  std::uint16_t count_ = 0;
};

struct EventLists {
  std::array<EventList, 4> lists;

  EventList& operator[](EventKind kind) { return lists[static_cast<std::size_t>(kind)]; }
  const EventList& operator[](EventKind kind) const {
    return lists[static_cast<std::size_t>(kind)];
  }
};

}  // namespace zorvat
