#include "events/ClosingQuestions.h"

#include "base/ProductText.h"

namespace zorvat {

std::string ExitQuestion() {
  return ProductMessage("If you close Zorvat, no tasks can be done.\nDo you want to exit anyway?");
}

std::string UnsavedChangesQuestion() {
  return ProductMessage(
      "There is data in the list that has not been saved yet. Save it before exiting?");
}

}  // namespace zorvat
