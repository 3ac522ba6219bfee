#include "events/EventMessages.h"

#include "base/Error.h"
#include "base/ProductText.h"

namespace zorvat {
namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

}  // namespace

std::string UnstorableOperandMessage() {
  return ProductMessage("The character \"|\" and line breaks cannot be stored in an event.");
}

std::string OperandsTooLongMessage() {
  return ProductMessage("The texts of an event can hold at most 2038 characters together.");
}

std::string ListFullMessage() {
  return ProductMessage("The list holds at most 256 events of one kind.");
}

std::string OverfullSectionMessage(std::span<const std::string> sections) {
  std::string named;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (i > 0) {
      named += i + 1 == sections.size() ? " and " : ", ";
    }
    named += Quoted(sections[i]);
  }
  return ProductMessage("The list holds at most 256 events of one kind; the remaining events of " +
                        std::string(sections.size() > 1 ? "sections " : "section ") + named +
                        " were not read.");
}

std::string RecentFileMissingMessage(std::string_view path) {
  return ProductMessage("Oops: File " + Quoted(path) + " does not exist!");
}

std::string HandOverFailedMessage(std::string_view listFile) {
  std::string text = "Zorvat is running already but does not answer.";
  if (!listFile.empty()) {
    text += " The list " + Quoted(listFile) + " was not opened.";
  }
  return ProductMessage(text);
}

std::string RecoveredListMessage(std::string_view path) {
  return ProductMessage("The list " + Quoted(path) + " was recovered from an interrupted save.");
}

std::string SaveIncompleteQuestion(std::string_view path) {
  return ProductMessage("Some events of " + Quoted(path) +
                        " could not be read. Saving replaces the file without them. Save anyway?");
}

std::string ExitQuestion() {
  return ProductMessage("If you close Zorvat, no tasks can be done.\nDo you want to exit anyway?");
}

std::string UnsavedChangesQuestion() {
  return ProductMessage(
      "There is data in the list that has not been saved yet. Save it before exiting?");
}

std::string WindowCaption(std::string_view currentFile) {
  std::string caption(kApplicationTitle);
  caption += " - ";
  caption += currentFile.empty() ? "NoName.zrl" : currentFile;
  return caption;
}

std::string TrayHint(bool active) {
  return std::string(kApplicationTitle) + (active ? " (active)" : " (inactive)");
}

std::string StartTrayHint() {
  return std::string(kApplicationTitle) + " (aktiv)";
}

}  // namespace zorvat
