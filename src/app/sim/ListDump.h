#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/RegionalFormats.h"
#include "events/ListFile.h"

namespace zorvat::sim {

// One line per record: kind, index, time as the writer writes it, command, operands, query,
// active; tab-separated.
void DumpLists(const EventLists& lists, const RegionalFormats& formats, std::ostream& out);

// The read's error texts, one line each, without the product line.
std::vector<std::string> ReadErrors(const ListFileContents& contents);

}  // namespace zorvat::sim
