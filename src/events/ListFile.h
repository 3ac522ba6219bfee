#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/RegionalFormats.h"
#include "base/TextEncoding.h"
#include "events/EventLists.h"
#include "events/EventMessages.h"  // OverfullSectionMessage

namespace zorvat {

// What a list file held. Keys that did not convert were skipped and the rest read; a section
// with more events than a list takes was read up to the list's capacity.
struct ListFileContents {
  EventLists lists;
  std::size_t skippedKeys = 0;
  std::optional<std::string> firstSkipMessage;  // the conversion message of the first skip
  std::vector<std::string> overfullSections;    // the sections that did not fit, in file order

  bool Complete() const { return skippedKeys == 0 && overfullSections.empty(); }
};

// The list file text (UTF-8) of the lists: deleted events are left out; every other event gets a
// key of its own (SectionKeys), so that all of them read back.
std::string RenderListFile(const EventLists& lists, const RegionalFormats& formats);

// Reads list file text (UTF-8). Keys are converted under `formats`; currentYear places
// two-digit years and dates without a year.
ListFileContents ParseListFile(std::string_view utf8Text, const RegionalFormats& formats,
                               int currentYear);

// The file's bytes in `encoding`.
std::string EncodeListFile(const EventLists& lists, const RegionalFormats& formats,
                           FileEncoding encoding = FileEncoding::Plain);

// Replaces the file at once, in the encoding the file at the path has: on failure zorvat::Error
// "Unable to write to %s" and the old file is whole.
void WriteListFile(std::string_view utf8Path, const EventLists& lists,
                   const RegionalFormats& formats);

// A list file read from disk, or the text that says why it was not read ("Oops: File ..."):
// nothing at the path, something that cannot be read, a file too large to be a list, bytes that
// are no text.
struct ListFileRead {
  std::optional<ListFileContents> contents;
  std::string refusal;
};
ListFileRead ReadListFile(std::string_view utf8Path, const RegionalFormats& formats,
                          int currentYear);

// The error box text for the keys a read skipped: the first one's message, and a line on how
// many more there were.
std::string SkippedKeysMessage(const ListFileContents& contents);

}  // namespace zorvat
