// List reader under random files, in both regional sets: no crash, no sanitizer report. The
// lists read are written, and that file reads back completely to the same events, each at the
// same second, events of one second included; writing those lists again gives the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/TextEncoding.h"
#include "events/EventRows.h"
#include "events/ListFile.h"

namespace {

using namespace zorvat;

constexpr int kYear = 2026;

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

bool SameFields(const EventRecord& a, const EventRecord& b) {
  return a.task.command == b.task.command && a.task.operand1 == b.task.operand1 &&
         a.task.operand2 == b.task.operand2 && a.task.query == b.task.query && a.active == b.active;
}

void CheckWrittenLists(const EventLists& read, const EventLists& reread,
                       const RegionalFormats& formats) {
  for (EventKind kind : kAllKinds) {
    Check(reread[kind].Count() == read[kind].Count());
    for (std::size_t i = 0; i < reread[kind].Count(); ++i) {
      Check(EventTimeText(kind, reread[kind][i].task.time, formats) ==
            EventTimeText(kind, read[kind][i].task.time, formats));
      Check(SameFields(read[kind][i], reread[kind][i]));
    }
  }
}

void RoundTrip(std::string_view text, const RegionalFormats& formats) {
  const ListFileContents read = ParseListFile(text, formats, kYear);
  const std::string written = EncodeListFile(read.lists, formats);
  const ListFileContents reread = ParseListFile(DecodeFileText(written)->utf8, formats, kYear);
  Check(reread.Complete());
  CheckWrittenLists(read.lists, reread.lists, formats);
  Check(EncodeListFile(reread.lists, formats) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto decoded = DecodeFileText(bytes);
  if (!decoded) {
    return 0;  // no text: refused before any parsing
  }
  RoundTrip(decoded->utf8, RegionalFormats::DeDe());
  RoundTrip(decoded->utf8, RegionalFormats::EnUs());
  return 0;
}
