// Date, time and integer texts: no crash, and whatever parses formats back to a text that parses
// to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/DateTimeText.h"
#include "base/Error.h"
#include "base/IntegerText.h"

namespace {

void Check(bool ok) {
  if (!ok) {
    std::abort();
  }
}

// The same calendar day and the same second: milliseconds are not written.
bool SameSecond(zorvat::DateTime a, zorvat::DateTime b) {
  zorvat::TimeOfDay ta = zorvat::DecodeTime(a);
  zorvat::TimeOfDay tb = zorvat::DecodeTime(b);
  ta.millisecond = tb.millisecond = 0;
  return zorvat::DecodeDate(a) == zorvat::DecodeDate(b) && ta == tb;
}

void DateTimeRoundTrip(const std::string& text, const zorvat::RegionalFormats& f) {
  constexpr int kYear = 2026;
  try {
    const zorvat::DateTime value = zorvat::ParseDateTime(text, f, kYear);
    // Milliseconds are not written, so compare what the text can carry.
    const zorvat::DateTime again =
        zorvat::ParseDateTime(zorvat::FormatDateTime(value, f), f, kYear);
    Check(zorvat::FormatDateTime(again, f) == zorvat::FormatDateTime(value, f));
    Check(SameSecond(value, again));
  } catch (const zorvat::Error&) {
  }
  try {
    const zorvat::DateTime value = zorvat::ParseTime(text, f);
    const zorvat::DateTime again = zorvat::ParseTime(zorvat::FormatTime(value, f), f);
    Check(SameSecond(value, again));
  } catch (const zorvat::Error&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  DateTimeRoundTrip(text, zorvat::RegionalFormats::EnUs());
  DateTimeRoundTrip(text, zorvat::RegionalFormats::DeDe());
  if (const auto value = zorvat::TryParseInteger(text)) {
    Check(zorvat::ParseInteger(std::to_string(*value)) == *value);
  }
  (void)zorvat::ParseSettingsInteger(text, 0);
  return 0;
}
