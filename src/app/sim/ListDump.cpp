#include "app/sim/ListDump.h"

#include <sstream>

#include "app/sim/Columns.h"
#include "base/Error.h"
#include "events/EventRows.h"

namespace zorvat::sim {
namespace {

void AddLines(const std::string& text, std::vector<std::string>& lines) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line != kApplicationTitle) {
      lines.push_back(line);
    }
  }
}

}  // namespace

void DumpLists(const EventLists& lists, const RegionalFormats& formats, std::ostream& out) {
  for (const EventKind kind : kAllKinds) {
    const EventList& list = lists[kind];
    for (std::size_t i = 0; i < list.Count(); ++i) {
      const EventRecord& r = list[i];
      out << SectionName(kind) << '\t' << i << '\t' << EventTimeText(kind, r.task.time, formats)
          << '\t' << int(r.task.command) << '\t' << Column(r.task.operand1) << '\t'
          << Column(r.task.operand2) << '\t' << (r.task.query ? 1 : 0) << '\t' << (r.active ? 1 : 0)
          << '\n';
    }
  }
}

std::vector<std::string> ReadErrors(const ListFileContents& contents) {
  std::vector<std::string> lines;
  if (contents.skippedKeys > 0) {
    AddLines(SkippedKeysMessage(contents), lines);
  }
  if (!contents.overfullSections.empty()) {
    AddLines(OverfullSectionMessage(contents.overfullSections), lines);
  }
  return lines;
}

}  // namespace zorvat::sim
