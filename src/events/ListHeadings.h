#pragma once

#include <array>
#include <string>
#include <string_view>

#include "events/EventLists.h"
#include "settings/LiveSettings.h"

namespace zorvat {

// The heading above the shown list. The window recomputes it when another list is chosen, not
// when the settings change.
std::string ListHeading(EventKind kind, const LiveSettings& live);

// The selection panel's text for the selected row, for a label that shows "&&" as one "&"; an
// "&" in the row's texts is doubled, so it shows as typed.
std::string SelectionText(EventKind kind, std::string_view caption, std::string_view eventText);

// One column of a report list view.
struct ListColumn {
  std::string_view caption;
  int width = 0;
  bool rightAligned = false;
};

// A column of a list of `Row`s: its header and the row's text its cells show.
template <typename Row>
struct RowColumn {
  ListColumn header;
  std::string Row::*cell;
};

// The columns of a list's view as created at start.
std::array<ListColumn, 3> EventListColumns(EventKind kind);

// The header of the event column (column 1) of the weekly and of the monthly list once the
// options dialog has been confirmed; the other headers never change.
std::string WeeklyEventColumnHeader(const LiveSettings& live);
std::string MonthlyEventColumnHeader(const LiveSettings& live);

// The properties dialog's heading for a new or an existing event of the shown list.
std::string_view PropertiesHeading(EventKind kind, bool newEvent);

// Only single events carry a date of their own; the other lists use the time of day alone.
inline bool HasOwnDate(EventKind kind) {
  return kind == EventKind::General;
}

}  // namespace zorvat
