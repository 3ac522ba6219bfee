#include "events/ListDocument.h"

#include "base/Error.h"
#include "base/Files.h"
#include "base/ProductText.h"
#include "base/TextUtil.h"
#include "events/EventMessages.h"
#include "events/ListFile.h"
#include "settings/ProgramFolder.h"

namespace zorvat {
namespace {

constexpr std::string_view kNoInfoCaption = "&Info about...";
constexpr std::string_view kDiscardQuestion =
    "New Zorvat-list\n\nThere is data in the list that has not been saved yet. Continue anyway "
    "without saving?";

}  // namespace

ListDocument::ListDocument(Prompts& prompts, FileDialogs& dialogs, const Clock& clock,
                           RegionalFormats formats, std::string programFolder, RecentFiles recent)
    : prompts_(prompts),
      dialogs_(dialogs),
      clock_(clock),
      formats_(std::move(formats)),
      programFolder_(std::move(programFolder)),
      recent_(std::move(recent)),
      infoItemCaption_(kNoInfoCaption) {}

std::string ListDocument::Caption() const {
  return WindowCaption(currentFile_);
}

void ListDocument::New() {
  if (dirty_ && !prompts_.Confirm(std::string(kDiscardQuestion), PromptButtons::YesCancel)) {
    return;
  }
  EmptyLists();
  // Unnamed again, so that no later save or autosave puts the empty list over the old file.
  currentFile_.clear();
  infoItemCaption_ = kNoInfoCaption;
  incompleteFile_.clear();
}

void ListDocument::Open() {
  if (const auto path = dialogs_.ChooseFileToOpen(LibFolder(programFolder_))) {
    ReadFile(*path);
  }
}

void ListDocument::Save() {
  if (!FileExists(currentFile_)) {
    SaveAs();
  } else if (ConfirmReplacing(currentFile_)) {
    WriteFile(currentFile_);
  }
}

void ListDocument::SaveAs() {
  const auto path = dialogs_.ChooseFileToSave();
  if (path && ConfirmReplacing(*path)) {
    WriteFile(*path);
  }
}

void ListDocument::OpenRecent(std::size_t number) {
  const std::string path = recent_[number - 1];
  if (SomethingAt(path) || SomethingAt(TemporaryFileFor(path))) {
    ReadFile(path);
  } else {
    prompts_.ShowError(RecentFileMissingMessage(path));
  }
}

bool ListDocument::AutoSave() {
  if (!dirty_) {
    return false;
  }
  if (!FileExists(currentFile_)) {
    WriteFile(FreeAutoSavePath());
    return true;
  }
  if (currentFile_ != incompleteFile_) {
    WriteFile(currentFile_);
    return true;
  }
  return false;
}

void ListDocument::SaveUnasked() {
  if (!dirty_) {
    return;
  }
  const bool ownFile = FileExists(currentFile_) && currentFile_ != incompleteFile_;
  if (!ownFile) {
    WriteFile(FreeAutoSavePath());
    return;
  }
  try {
    WriteFile(currentFile_);
  } catch (const Error&) {
    // Nobody is left to choose another place: the work goes where an unnamed list goes, and the
    // refusal is still told.
    WriteFile(FreeAutoSavePath());
    throw;
  }
}

// The file is read before the question: a file that cannot be read is reported at once and
// nothing changes.
void ListDocument::ReadFile(const std::string& path) {
  const int currentYear = DecodeDate(clock_.Now()).year;
  ListFileRead result = ReadListFile(path, formats_, currentYear);
  const bool recovered = !result.contents && ReadInterruptedSave(path, currentYear, result);
  if (!result.contents) {
    prompts_.ShowError(ProductMessage(result.refusal));
    return;
  }
  if (dirty_ && !prompts_.Confirm(std::string(kDiscardQuestion), PromptButtons::YesCancel)) {
    return;
  }
  const ListFileContents* contents = &*result.contents;
  currentFile_ = path;
  infoItemCaption_ = "&Info about " + MenuItemName(FileNameOf(path)) + "...";
  EmptyLists();
  recent_.Offer(path);
  for (EventKind kind : kAllKinds) {
    const EventList& read = contents->lists[kind];
    for (std::size_t i = 0; i < read.Count(); ++i) {
      lists_[kind].Append(read[i]);
      RowsOf(kind).Append(RowFor(kind, read[i], formats_));
    }
  }
  incompleteFile_ = contents->Complete() ? std::string() : path;
  if (recovered) {
    prompts_.Inform(std::string(kApplicationTitle), RecoveredListMessage(path));
  }
  if (contents->skippedKeys > 0) {
    prompts_.ShowError(SkippedKeysMessage(*contents));
  }
  if (!contents->overfullSections.empty()) {
    prompts_.ShowError(OverfullSectionMessage(contents->overfullSections));
  }
}

// A save ended between its last two renames (or an older one through ReplaceFileW, which moved
// the old file away first) left the list only in its temporary file, which is whole: it goes
// back under its name. A file that is there, readable or not, is never taken away.
bool ListDocument::ReadInterruptedSave(const std::string& path, int currentYear,
                                       ListFileRead& result) {
  if (!NothingAt(path)) {
    return false;
  }
  ListFileRead fromTemporary = ReadListFile(TemporaryFileFor(path), formats_, currentYear);
  if (!fromTemporary.contents) {
    return false;
  }
  RecoverInterruptedSave(path);  // when it fails, the next save writes the name afresh
  result = std::move(fromTemporary);
  return true;
}

void ListDocument::EmptyLists() {
  ++listsReplaced_;
  for (EventKind kind : kAllKinds) {
    RowsOf(kind).Clear();
    lists_[kind].Clear(clock_.Now());
  }
  dirty_ = false;
}

bool ListDocument::ConfirmReplacing(const std::string& path) {
  return path != incompleteFile_ ||
         prompts_.Confirm(SaveIncompleteQuestion(path), PromptButtons::YesNo);
}

// Only after the file is on disk does the document name it; a refused write changes nothing.
void ListDocument::WriteFile(const std::string& path) {
  WriteListFile(path, lists_, formats_);
  currentFile_ = path;
  recent_.Offer(path);
  dirty_ = false;
  if (path == incompleteFile_) {
    incompleteFile_.clear();
  }
}

// Never an existing file: it may hold the events of an earlier run.
std::string ListDocument::FreeAutoSavePath() const {
  const std::string lib = LibFolder(programFolder_);
  std::string path = JoinPath(lib, "Zorvat AutoSave.zrl");
  for (int n = 2; SomethingAt(path); ++n) {
    path = JoinPath(lib, "Zorvat AutoSave " + std::to_string(n) + ".zrl");
  }
  return path;
}

}  // namespace zorvat
