#include "base/DateTimeText.h"
#include "base/Files.h"
#include "base/TextEncoding.h"
#include "events/EventRows.h"
#include "events/ListFile.h"
#include "events/ListKeys.h"
#include "settings/ProfileText.h"

namespace zorvat {
namespace {

std::string ValueOf(const EventRecord& record) {
  std::string value = std::to_string(record.task.command);
  value += '|';
  value += record.task.operand1;
  value += '|';
  value += record.task.operand2;
  value += record.task.query ? "|1" : "|0";
  value += record.active ? "|1" : "|0";
  return value;
}

}  // namespace

std::string RenderListFile(const EventLists& lists, const RegionalFormats& formats) {
  // A single event keeps its century whatever the user's picture: every reader takes four digits.
  RegionalFormats keyFormats = formats;
  keyFormats.shortDate = WithFourDigitYear(formats.shortDate);
  ProfileBuilder file;
  file.Write("BaseInfo", "ProgID", "Brumsel! Zorvat v1.1");
  for (EventKind kind : kAllKinds) {
    const EventList& list = lists[kind];
    SectionKeys keys(kind, keyFormats);
    for (std::size_t i = 0; i < list.Count(); ++i) {
      if (!list[i].deleted) {
        file.Write(SectionName(kind), keys.KeyFor(list[i].task.time), ValueOf(list[i]));
      }
    }
  }
  return file.Render();
}

std::string EncodeListFile(const EventLists& lists, const RegionalFormats& formats,
                           FileEncoding encoding) {
  return EncodeFileText(RenderListFile(lists, formats), encoding);
}

// A file keeps its encoding: one the user saved as UTF-16 stays UTF-16.
void WriteListFile(std::string_view utf8Path, const EventLists& lists,
                   const RegionalFormats& formats) {
  const FileEncoding encoding = EncodingOf(ReadFileStart(utf8Path, kUtf8Bom.size()));
  ReplaceFileAtomically(utf8Path, EncodeListFile(lists, formats, encoding));
}

}  // namespace zorvat
