#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/Prompts.h"
#include "base/RegionalFormats.h"
#include "events/EventLists.h"
#include "events/EventRows.h"
#include "events/FileDialogs.h"
#include "events/ListFile.h"
#include "events/RecentFiles.h"

namespace zorvat {

// The four event lists with their rows, tied to one list file at a time, and the commands that
// read, write and empty them. Write errors leave as zorvat::Error ("Unable to write to %s") for
// the caller's error box; the document is then as it was before the write.
class ListDocument {
 public:
  ListDocument(Prompts& prompts, FileDialogs& dialogs, const Clock& clock, RegionalFormats formats,
               std::string programFolder, RecentFiles recent = RecentFiles());
  ListDocument(const ListDocument&) = delete;
  ListDocument& operator=(const ListDocument&) = delete;
  ~ListDocument() = default;

  const EventLists& Lists() const { return lists_; }
  const EventRows& Rows(EventKind kind) const { return rows_[static_cast<std::size_t>(kind)]; }
  const std::string& CurrentFileName() const { return currentFile_; }  // empty: unnamed
  bool Dirty() const { return dirty_; }
  std::string Caption() const;  // of the main window
  const std::string& InfoItemCaption() const { return infoItemCaption_; }
  const RecentFiles& Recent() const { return recent_; }
  // Set by a read that skipped events; saving over that file then asks, autosave leaves it.
  bool ReadIncompletely() const { return !incompleteFile_.empty(); }
  // Counts New and every completed read: the rows are then another list's.
  std::uint64_t ListsReplaced() const { return listsReplaced_; }
  // The user changed the regional formats: reads, writes and new rows use the new ones.
  void SetRegionalFormats(RegionalFormats formats) { formats_ = std::move(formats); }

  // Document commands.
  void New();
  void Open();
  void Save();
  void SaveAs();
  void OpenRecent(std::size_t number);  // 1 .. 3
  // True when it wrote the list.
  bool AutoSave();
  // When nobody can be asked any more (the session ends): a changed document goes to its own
  // file, or to a fresh autosave file when it has none, was read incompletely or refuses the
  // write; that refusal is thrown after the autosave file holds the list.
  void SaveUnasked();
  // Replaces the document by the file's events; also used at start-up.
  void ReadFile(const std::string& path);

  // Editing. Each change sets the dirty flag. Operands holding "|" or a line break are refused
  // with zorvat::Error (see CheckOperand). The query text is the row's "Query" column.
  // An index with no event behind it (a row of a list read since) changes nothing: false.
  bool AppendEvent(EventKind kind, const EventRecord& record, std::string_view queryText);
  bool ReplaceEvent(EventKind kind, std::size_t i, const EventRecord& record,
                    std::string_view queryText);
  bool DeleteEvent(EventKind kind, std::size_t i);
  bool UndeleteEvent(EventKind kind, std::size_t i);
  bool SetEventActive(EventKind kind, std::size_t i, bool active);

 private:
  EventRows& RowsOf(EventKind kind) { return rows_[static_cast<std::size_t>(kind)]; }
  bool HasEvent(EventKind kind, std::size_t i) const;
  void EmptyLists();
  bool ReadInterruptedSave(const std::string& path, int currentYear, ListFileRead& result);
  bool ConfirmReplacing(const std::string& path);
  void WriteFile(const std::string& path);
  std::string FreeAutoSavePath() const;

  Prompts& prompts_;
  FileDialogs& dialogs_;
  const Clock& clock_;
  RegionalFormats formats_;
  std::string programFolder_;
  RecentFiles recent_;

  EventLists lists_;
  std::array<EventRows, 4> rows_;
  std::string currentFile_;
  bool dirty_ = false;
  std::uint64_t listsReplaced_ = 0;
  std::string infoItemCaption_;
  std::string incompleteFile_;  // the file last read with events left out
};

}  // namespace zorvat
