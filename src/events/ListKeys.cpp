#include "events/ListKeys.h"

#include <cstdio>
#include <utility>

#include "base/DateTimeText.h"
#include "base/TextUtil.h"
#include "events/EventRows.h"

namespace zorvat {
namespace {

// Further spellings past the three fractions: one list holds at most 256 events of one kind.
constexpr int kMostBlanks = 300;
// Any year does: key years have four digits.
constexpr int kAnyYear = 2000;

std::string Folded(std::string_view key) {
  std::string folded(key);
  for (char& c : folded) {
    c = ToLowerAscii(c);
  }
  return folded;
}

std::int64_t Second(DateTime time) {
  const std::int64_t ms = ToMilliseconds(time);
  return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

std::string ClockText(int hour, const TimeOfDay& t, char separator) {
  char text[32];
  std::snprintf(text, sizeof text, "%d%c%02d%c%02d", hour, separator, t.minute, separator,
                t.second);
  return text;
}

}  // namespace

SectionKeys::SectionKeys(EventKind kind, RegionalFormats formats)
    : kind_(kind), formats_(std::move(formats)) {}

bool SectionKeys::Take(const std::string& key, DateTime time) {
  if (used_.contains(Folded(key))) {
    return false;
  }
  const auto read = kind_ == EventKind::General ? TryParseDateTime(key, formats_, kAnyYear)
                                                : TryParseTime(key, formats_);
  if (!read || Second(*read) != Second(kind_ == EventKind::General ? time : TimePart(time))) {
    return false;
  }
  used_.insert(Folded(key));
  return true;
}

std::string SectionKeys::KeyFor(DateTime time) {
  // The user's own picture too is read back: one without seconds or without AM/PM marks writes
  // a key that reads as another time.
  std::string key = EventTimeText(kind_, time, formats_);
  if (Take(key, time)) {
    return key;
  }
  const std::string date = kind_ == EventKind::General ? FormatDate(time, formats_) + " " : "";
  const TimeOfDay t = DecodeTime(time);
  const char separator = formats_.TimeSeparator();
  const std::string clock24 = date + ClockText(t.hour, t, separator);
  for (const char* fraction : {".0", ".00", ".000"}) {
    if (std::string spelled = clock24 + fraction; Take(spelled, time)) {
      return spelled;
    }
  }
  const std::string clock12 = date + ClockText(t.hour % 12 == 0 ? 12 : t.hour % 12, t, separator);
  const std::string& own = t.hour < 12 ? formats_.am : formats_.pm;
  const char* plain = t.hour < 12 ? "AM" : "PM";
  for (const std::string& designator : {own, std::string(plain)}) {
    for (int blanks = 1; !designator.empty() && blanks <= kMostBlanks; ++blanks) {
      std::string spelled = clock12;
      spelled.append(static_cast<std::size_t>(blanks), ' ').append(designator);
      if (Take(spelled, time)) {
        return spelled;
      }
    }
  }
  return key;  // no spelling left: the event shares the key, as it always did
}

}  // namespace zorvat
