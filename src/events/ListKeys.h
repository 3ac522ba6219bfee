#pragma once

#include <string>
#include <unordered_set>

#include "base/DateTime.h"
#include "base/RegionalFormats.h"
#include "events/EventLists.h"

namespace zorvat {

// The keys of one section of a list file, as the writer gives them. An event's key is its time
// in the user's formats (single events with a four-digit year). A key holds one value, so each
// further event of the same second gets another spelling of the same time, one the reader reads
// as that time: a fraction of a second (".0", ".00", ".000"), then blanks before the AM or PM
// designator. Every spelling is read back before it is taken, whatever the formats.
class SectionKeys {
 public:
  SectionKeys(EventKind kind, RegionalFormats formats);

  // The key for an event at `time`, unused so far in this section.
  std::string KeyFor(DateTime time);

 private:
  bool Take(const std::string& key, DateTime time);

  EventKind kind_;
  RegionalFormats formats_;
  std::unordered_set<std::string> used_;  // without regard to ASCII case, as the reader matches
};

}  // namespace zorvat
