#pragma once

namespace zorvat {

class ListDocument;
class SettingsFile;

// The list that start-up opens, by DefaultLibMode: 1 the list of LastOpened, 2 the one of
// DefaultLib, anything else none. An empty name (the first start, or after New) opens nothing
// and shows no box; a named file that is missing gives the reader's "cannot be found!" box.
void OpenStartupList(const SettingsFile& settings, ListDocument& document);

}  // namespace zorvat
