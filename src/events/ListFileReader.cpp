#include <unordered_map>

#include "base/DateTimeText.h"
#include "base/Error.h"
#include "base/Fields.h"
#include "base/Files.h"
#include "base/IntegerText.h"
#include "base/TextEncoding.h"
#include "base/TextUtil.h"
#include "events/ListFile.h"
#include "settings/ProfileText.h"

namespace zorvat {
namespace {

std::string Field(std::string_view value, unsigned index) {
  return ExtractField(value, '|', index);
}

std::optional<DateTime> TimeOf(EventKind kind, std::string_view key, const RegionalFormats& formats,
                               int currentYear) {
  return kind == EventKind::General ? TryParseDateTime(key, formats, currentYear)
                                    : TryParseTime(key, formats);
}

// The conversion's message for a key or command that did not convert.
std::string SkipMessage(EventKind kind, std::string_view key, std::string_view command,
                        const RegionalFormats& formats, int currentYear) {
  try {
    if (kind == EventKind::General) {
      ParseDateTime(key, formats, currentYear);
    } else {
      ParseTime(key, formats);
    }
    ParseInteger(command);
  } catch (const Error& e) {
    return e.what();
  }
  return {};
}

std::string FoldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    c = ToLowerAscii(c);
  }
  return folded;
}

// A damaged file may hold millions of keys that do not convert: they are counted without an
// exception each, so that reading stays linear and fast.
void ReadSection(const ProfileText& file, EventKind kind, const RegionalFormats& formats,
                 int currentYear, ListFileContents& contents) {
  const std::string_view section = SectionName(kind);
  EventList& list = contents.lists[kind];
  // A key read twice takes the value of its first line, as a look-up by name does. Only names
  // that convert need remembering; those are few, whatever the file holds.
  std::unordered_map<std::string, std::string> firstValues;
  file.ForEachKey(section, [&](std::string_view key, std::string lineValue) {
    if (list.Full()) {
      if (!contents.overfullSection) {
        contents.overfullSection = std::string(section);
      }
      return false;
    }
    const std::optional<DateTime> time = TimeOf(kind, key, formats, currentYear);
    const std::string& value =
        time ? firstValues.try_emplace(FoldedName(key), std::move(lineValue)).first->second
             : lineValue;
    const std::string command = Field(value, 0);
    const std::optional<std::int32_t> code = time ? TryParseInteger(command) : std::nullopt;
    if (!code) {
      if (contents.skippedKeys++ == 0) {
        contents.firstSkipMessage = SkipMessage(kind, key, command, formats, currentYear);
      }
      return true;
    }
    EventRecord record;
    record.task.time = *time;
    record.active = Field(value, 4) != "0";
    record.task.command = static_cast<std::uint8_t>(static_cast<std::uint32_t>(*code) & 0xFF);
    record.task.operand1 = Field(value, 1);
    record.task.operand2 = Field(value, 2);
    record.deleted = false;
    record.task.query = Field(value, 3) != "0";
    list.Append(std::move(record));
    return true;
  });
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

ListFileRead ReadListFile(std::string_view utf8Path, const RegionalFormats& formats,
                          int currentYear) {
  const std::string path(utf8Path);
  FileBytes file = ReadWholeFile(utf8Path);
  switch (file.outcome) {
    case ReadOutcome::Missing:
      return {std::nullopt, "Oops: File \"" + path + "\" cannot be found!"};
    case ReadOutcome::Unreadable:
      return {std::nullopt, "Oops: File \"" + path + "\" cannot be read!"};
    case ReadOutcome::TooLarge:
      return {std::nullopt,
              "Oops: File \"" + path + "\" is larger than 16 MB and cannot be a Zorvat list!"};
    case ReadOutcome::Read:
      break;
  }
  std::optional<DecodedText> text = DecodeFileText(file.bytes);
  if (!text) {
    return {std::nullopt, "Oops: File \"" + path +
                              "\" is no Zorvat list: its text is neither ANSI, UTF-8 nor UTF-16!"};
  }
  file.bytes = std::string();  // the text is all that is needed from here on
  return {ParseListFile(text->utf8, formats, currentYear), {}};
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
