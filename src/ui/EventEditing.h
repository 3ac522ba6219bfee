#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>

#include "base/Clock.h"
#include "base/Prompts.h"
#include "events/EventLists.h"
#include "events/ListDocument.h"
#include "settings/LiveSettings.h"
#include "ui/PropertiesDialog.h"

namespace zorvat::ui {

// The main window's editing commands: new event, properties, delete and undelete, each on the
// shown list and its selected row. Everything they change goes through the document; each
// returns true when the document's rows changed, so the window copies them again.
class EventEditing {
 public:
  // Shows the properties dialog (replaced in tests).
  using PropertiesEditor = std::function<std::optional<EventProperties>(
      HWND owner, EventKind kind, bool newEvent, const EventProperties& in)>;

  EventEditing(ListDocument& document, Prompts& prompts, const Clock& clock,
               const LiveSettings& live, PropertiesEditor editProperties);

  // A double click on the new-event tree's item `treeItem`; group items do nothing.
  bool NewEvent(HWND owner, EventKind shown, int treeItem);
  bool EditProperties(HWND owner, EventKind shown, std::optional<std::size_t> selected);
  bool Delete(EventKind shown, std::optional<std::size_t> selected);
  bool Undelete(EventKind shown, std::optional<std::size_t> selected);

 private:
  ListDocument& document_;
  Prompts& prompts_;
  const Clock& clock_;
  const LiveSettings& live_;
  PropertiesEditor editProperties_;
};

// The program's own properties and parameter dialogs, with `errors` for their error boxes.
EventEditing::PropertiesEditor SystemPropertiesDialog(Prompts& errors);

}  // namespace zorvat::ui
