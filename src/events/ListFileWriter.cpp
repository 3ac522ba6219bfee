#include <algorithm>

#include "base/Files.h"
#include "base/TextEncoding.h"
#include "events/EventRows.h"
#include "events/ListFile.h"
#include "settings/ProfileText.h"

namespace zorvat {
namespace {

std::string ValueOf(const EventRecord& record) {
  std::string value = std::to_string(record.Command);
  value += '|';
  value += record.Operator1;
  value += '|';
  value += record.Operator2;
  value += record.Query ? "|1" : "|0";
  value += record.Active ? "|1" : "|0";
  return value;
}

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string RenderListFile(const EventLists& lists, const RegionalFormats& formats) {
  ProfileBuilder file;
  file.Write("BaseInfo", "ProgID", "Brumsel! Zorvat v1.1");
  for (EventKind kind : kAllKinds) {
    const EventList& list = lists[kind];
    for (std::size_t i = 0; i < list.Count(); ++i) {
      if (!list[i].Deleted) {
        file.Write(SectionName(kind), EventTimeText(kind, list[i].Time, formats), ValueOf(list[i]));
      }
    }
  }
  return file.Render();
}

std::string EncodeListFile(const EventLists& lists, const RegionalFormats& formats) {
  const std::string text = RenderListFile(lists, formats);
  std::string bytes = EncodeFileText(text);
  // ANSI bytes that happen to form valid UTF-8 (say "Ã©") would be read back as UTF-8.
  if (!IsAscii(bytes) && IsValidUtf8(bytes)) {
    bytes = EncodeFileText(text, /*keepBom=*/true);
  }
  return bytes;
}

void WriteListFile(std::string_view utf8Path, const EventLists& lists,
                   const RegionalFormats& formats) {
  ReplaceFileAtomically(utf8Path, EncodeListFile(lists, formats));
}

}  // namespace zorvat
