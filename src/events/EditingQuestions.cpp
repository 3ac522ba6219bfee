#include "events/EditingQuestions.h"

namespace zorvat {
namespace {

struct DeleteWording {
  std::string_view opening;  // up to the event text's opening quote
  std::string_view timeLabel;
};

// Users know these lines as they are, odd spellings included.
DeleteWording DeleteWordingOf(EventKind kind) {
  switch (kind) {
    case EventKind::General:
      return {"Remove Zorvat \n\nReally delete event \"", "Datum"};
    case EventKind::Daily:
      return {"Remove Zorvat\n\nReally delete event \"", "uhrzeit"};
    case EventKind::Weekly:
      return {"Remove Zorvat\n\nReally delete event \"", "Uhrzeit"};
    case EventKind::Monthly:
      break;
  }
  return {"Remove Zorvat\n\nReally remove event \"", "Uhrzeit"};
}

}  // namespace

std::string DeleteQuestion(EventKind kind, std::string_view eventText, std::string_view caption) {
  const DeleteWording wording = DeleteWordingOf(kind);
  std::string text(wording.opening);
  text += eventText;
  text += "\" (";
  text += wording.timeLabel;
  text += ": ";
  text += caption;
  text += ") ?";
  return text;
}

std::string UndeleteQuestion(EventKind kind, std::string_view eventText) {
  std::string text = "Undelete Zorvat\n\n";
  text += kind == EventKind::General ? "Soll das Zorvat \"" : "Recreate Zorvat \"";
  text += eventText;
  text += kind == EventKind::General ? "\" wiederhergestellt werden?" : "\" ?";
  return text;
}

}  // namespace zorvat
