#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zorvat {

// The texts of the events layer that carry the product name: its message boxes, which open with
// the product line, and the main window's caption.

// Operands a list file cannot store (CheckOperands).
std::string UnstorableOperandMessage();
std::string OperandsTooLongMessage();

// A new event for a list that already holds as many as a list takes.
std::string ListFullMessage();
// The list file sections with more events than a list takes, every one of them named.
std::string OverfullSectionMessage(std::span<const std::string> sections);

// The list document's boxes.
std::string RecentFileMissingMessage(std::string_view path);
// A later start could not hand its list file (or, without one, itself) to the running copy.
std::string HandOverFailedMessage(std::string_view listFile);
// A list read from the temporary file a save left when it was ended before its last step.
std::string RecoveredListMessage(std::string_view path);
std::string SaveIncompleteQuestion(std::string_view path);

// Asked (Yes, No) every time the program is about to close.
std::string ExitQuestion();
// Asked (Yes, No, Cancel) before the exit question when the list holds unsaved changes: Yes
// saves first, No goes on to the exit question, Cancel keeps the program running.
std::string UnsavedChangesQuestion();

// The main window's caption for the current list file; an unnamed list shows "NoName.zrl".
std::string WindowCaption(std::string_view currentFile);

// The tray icon's hint: whether the scan timer runs. At start, before the switch is applied,
// the icon shows the start hint (in German).
std::string TrayHint(bool active);
std::string StartTrayHint();

}  // namespace zorvat
