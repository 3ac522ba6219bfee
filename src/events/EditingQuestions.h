#pragma once

#include <string>
#include <string_view>

#include "events/EventLists.h"

namespace zorvat {

// Asked before the selected event is marked deleted; built from the row's texts as they are
// shown, so a row showing "[removed]" is asked about as "[removed]".
std::string DeleteQuestion(EventKind kind, std::string_view eventText, std::string_view caption);

// Asked before the selected event is brought back; eventText is the event's own description.
std::string UndeleteQuestion(EventKind kind, std::string_view eventText);

}  // namespace zorvat
