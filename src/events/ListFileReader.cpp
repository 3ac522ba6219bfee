#include "base/DateTimeText.h"
#include "base/Error.h"
#include "base/Fields.h"
#include "base/Files.h"
#include "base/IntegerText.h"
#include "base/TextEncoding.h"
#include "events/ListFile.h"
#include "settings/ProfileText.h"

namespace zorvat {
namespace {

// Stands in for the value of a listed key that a look-up does not find.
constexpr std::string_view kMissingValue = "0|Hello World!|0|1|1";

std::string Field(std::string_view value, unsigned index) {
  return ExtractField(value, '|', index);
}

// Throws the conversion's error for a key or command that does not convert.
EventRecord RecordOf(EventKind kind, std::string_view key, std::string_view value,
                     const RegionalFormats& formats, int currentYear) {
  EventRecord record;
  record.task.time = kind == EventKind::General ? ParseDateTime(key, formats, currentYear)
                                                : ParseTime(key, formats);
  record.active = Field(value, 4) != "0";
  record.task.command =
      static_cast<std::uint8_t>(static_cast<std::uint32_t>(ParseInteger(Field(value, 0))) & 0xFF);
  record.task.operand1 = Field(value, 1);
  record.task.operand2 = Field(value, 2);
  record.deleted = false;
  record.task.query = Field(value, 3) != "0";
  return record;
}

void ReadSection(const ProfileText& file, EventKind kind, const RegionalFormats& formats,
                 int currentYear, ListFileContents& contents) {
  const std::string_view section = SectionName(kind);
  EventList& list = contents.lists[kind];
  for (const std::string& key : file.KeyNames(section)) {
    if (list.Full()) {
      if (!contents.overfullSection) {
        contents.overfullSection = std::string(section);
      }
      return;
    }
    const std::string value = file.Read(section, key).value_or(std::string(kMissingValue));
    try {
      list.Append(RecordOf(kind, key, value, formats, currentYear));
    } catch (const Error& e) {
      if (contents.skippedKeys++ == 0) {
        contents.firstSkipMessage = e.what();
      }
    }
  }
}

}  // namespace

ListFileContents ParseListFile(std::string_view utf8Text, const RegionalFormats& formats,
                               int currentYear) {
  const ProfileText file = ProfileText::Parse(utf8Text);
  ListFileContents contents;
  for (EventKind kind : kAllKinds) {
    ReadSection(file, kind, formats, currentYear, contents);
  }
  return contents;
}

std::optional<ListFileContents> ReadListFile(std::string_view utf8Path,
                                             const RegionalFormats& formats, int currentYear) {
  const std::optional<std::string> bytes = ReadFileBytes(utf8Path);
  if (!bytes) {
    return std::nullopt;
  }
  return ParseListFile(DecodeFileText(*bytes).utf8, formats, currentYear);
}

std::string SkippedKeysMessage(const ListFileContents& contents) {
  std::string text = ErrorBoxText(contents.firstSkipMessage.value_or(""));
  const std::size_t more = contents.skippedKeys > 0 ? contents.skippedKeys - 1 : 0;
  if (more == 1) {
    text += "\n1 more event could not be read either and was skipped.";
  } else if (more > 1) {
    text += "\n" + std::to_string(more) + " more events could not be read either and were skipped.";
  }
  return text;
}

}  // namespace zorvat
