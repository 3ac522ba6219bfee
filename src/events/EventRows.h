#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/DateTime.h"
#include "base/RegionalFormats.h"
#include "events/EventLists.h"
#include "events/TaskKinds.h"

namespace zorvat {

// A row's icon: an index into the list's kind icons, or the shell icon of a file, which only the
// list view can look up (it appends that icon to its image list when it shows the row).
struct RowIcon {
  enum class Source : std::uint8_t { None, KindIcon, FileIcon };
  Source source = Source::None;
  int index = -1;    // when source is KindIcon: the image of the kind icon list
  std::string file;  // when source is FileIcon

  static RowIcon Kind(KindIcon icon) { return {Source::KindIcon, static_cast<int>(icon), {}}; }
  static RowIcon OfFile(std::string file) { return {Source::FileIcon, -1, std::move(file)}; }
  friend bool operator==(const RowIcon&, const RowIcon&) = default;
};

// What a list view shows for one event; the Win32 list view mirrors this and keeps nothing else.
struct EventRow {
  std::string caption;    // column 0: the event's date and time, or its time
  std::string eventText;  // sub-item 0, column "Event"
  std::string queryText;  // sub-item 1, column "Query"
  bool checked = false;
  RowIcon icon;
  friend bool operator==(const EventRow&, const EventRow&) = default;
};

inline constexpr std::string_view kRemovedEventText = "[removed]";
// The properties dialog shows this in the query column of the message and alert events it saves.
inline constexpr std::string_view kNoQueryText = "-";

std::string_view QueryText(bool query);  // "Yes" or "No"

// The column "Event" text of a command and its operands; kUnknownEventText for a code without
// a kind.
std::string DescribeEvent(std::uint8_t command, std::string_view operand1,
                          std::string_view operand2);

// The icon a command gets; nothing for commands without one (the row keeps what it had).
std::optional<RowIcon> RowIconFor(std::uint8_t command, std::string_view operand1);

// How an event's time is written, as list file key and as row caption: single events with their
// date, the others by their time of day alone.
std::string EventTimeText(EventKind kind, DateTime time, const RegionalFormats& formats);

// The row of a record as a list file read shows it.
EventRow RowFor(EventKind kind, const EventRecord& record, const RegionalFormats& formats);

// The rows of one list view. Row i shows record i, so rows are only appended or cleared, and
// never more than a list holds.
class EventRows {
 public:
  std::size_t Count() const { return rows_.size(); }
  const EventRow& operator[](std::size_t i) const { return rows_.at(i); }
  EventRow& operator[](std::size_t i) { return rows_.at(i); }

  // False, and nothing changes, when the rows are at the list's capacity.
  bool Append(EventRow row);
  void Clear() { rows_.clear(); }
  void SetRowIcon(std::size_t row, std::uint8_t command, std::string_view operand1);

 private:
  std::vector<EventRow> rows_;
};

}  // namespace zorvat
