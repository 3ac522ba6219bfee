#include <algorithm>
#include <array>
#include <utility>
#include <vector>

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

// The value of the first line of each key name that converted, as a look-up by name gives it.
// Open addressing over views into the text, names without regard to ASCII case: a damaged file
// may hold a million such names, and a node per name would cost many times the file's size.
class FirstValues {
 public:
  // The raw value of the first line named `name`; `rawValue` when this is the first.
  std::string_view Find(std::string_view name, std::string_view rawValue) {
    if ((count_ + 1) * 2 > slots_.size()) {
      Grow();
    }
    Slot& slot = Probe(name);
    if (!slot.used) {
      slot = {name, rawValue, true};
      ++count_;
    }
    return slot.value;
  }

 private:
  struct Slot {
    std::string_view name;
    std::string_view value;
    bool used = false;
  };

  static std::size_t Hash(std::string_view name) {
    std::size_t h = 14695981039346656037u;
    for (const char c : name) {
      h = (h ^ static_cast<unsigned char>(ToLowerAscii(c))) * 1099511628211u;
    }
    return h;
  }

  Slot& Probe(std::string_view name) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = Hash(name) & mask;; i = (i + 1) & mask) {
      if (!slots_[i].used || EqualsNoCase(slots_[i].name, name)) {
        return slots_[i];
      }
    }
  }

  void Grow() {
    std::vector<Slot> old =
        std::exchange(slots_, std::vector<Slot>(std::max<std::size_t>(64, slots_.size() * 2)));
    for (const Slot& slot : old) {
      if (slot.used) {
        Probe(slot.name) = slot;
      }
    }
  }

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

// What the reading of one section found.
struct SectionRead {
  EventList* list = nullptr;
  // A key read twice takes the value of its first line, as a look-up by name does. Only names
  // that convert need remembering.
  FirstValues firstValues;
  std::size_t skipped = 0;
  std::optional<std::string> firstSkipMessage;
  bool overfull = false;
};

// Reads one key line; false once the list is full.
bool ReadKey(EventKind kind, std::string_view key, std::string_view rawValue,
             const RegionalFormats& formats, int currentYear, SectionRead& read) {
  if (read.list->Full()) {
    read.overfull = true;
    return false;
  }
  // A damaged file may hold millions of keys that do not convert: they are counted without an
  // exception or a copy each, so that reading stays linear and fast.
  const std::optional<DateTime> time = TimeOf(kind, key, formats, currentYear);
  const std::string value =
      time ? ProfileText::ValueText(read.firstValues.Find(key, rawValue)) : std::string();
  const std::string command = time ? Field(value, 0) : std::string();
  const std::optional<std::int32_t> code = time ? TryParseInteger(command) : std::nullopt;
  if (!code) {
    if (read.skipped++ == 0) {
      read.firstSkipMessage = SkipMessage(kind, key, command, formats, currentYear);
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
  read.list->Append(record);
  return true;
}

}  // namespace

// One pass over the text reads the four sections; what they found is told in their order.
ListFileContents ParseListFile(std::string_view utf8Text, const RegionalFormats& formats,
                               int currentYear) {
  const ProfileText file = ProfileText::Parse(utf8Text);
  ListFileContents contents;
  std::array<std::string_view, kAllKinds.size()> sections;
  std::array<SectionRead, kAllKinds.size()> reads;
  for (std::size_t i = 0; i < kAllKinds.size(); ++i) {
    sections[i] = SectionName(kAllKinds[i]);
    reads[i].list = &contents.lists[kAllKinds[i]];
  }
  file.ForEachKey(sections, [&](std::size_t i, std::string_view key, std::string_view rawValue) {
    return ReadKey(kAllKinds[i], key, rawValue, formats, currentYear, reads[i]);
  });
  for (std::size_t i = 0; i < kAllKinds.size(); ++i) {
    if (reads[i].skipped > 0 && contents.skippedKeys == 0) {
      contents.firstSkipMessage = reads[i].firstSkipMessage;
    }
    contents.skippedKeys += reads[i].skipped;
    if (reads[i].overfull) {
      contents.overfullSections.emplace_back(sections[i]);
    }
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
