#include "events/ExitPath.h"

#include <string>

#include "base/Error.h"
#include "base/Prompts.h"
#include "events/EventMessages.h"
#include "events/ListDocument.h"
#include "settings/SettingsStore.h"

namespace zorvat {
bool ExitPath::MayClose(const WindowLayout& layout) {
  if (!OfferToSave()) {
    return false;
  }
  WriteCloseSettings(layout);
  agreed_ = prompts_.Confirm(ExitQuestion());
  return agreed_;
}

void ExitPath::SessionEnds(const WindowLayout& layout) {
  if (agreed_) {
    return;
  }
  // The document first: it holds the user's work, and LastOpened then names where it went.
  document_.SaveUnasked();
  WriteCloseSettings(layout);
}

void ExitPath::WriteCloseSettings(const WindowLayout& layout) {
  settings_.Write(keys::kZorvatChoiceWidth, layout.leftColumnWidth);
  settings_.Write(keys::kLastOpened, document_.CurrentFileName());
  for (std::size_t i = 0; i < keys::kRecentFile.size(); ++i) {
    settings_.Write(keys::kRecentFile[i], document_.Recent()[i]);
  }
  settings_.Write(keys::kMax, layout.maximized);
}

bool ExitPath::OfferToSave() {
  if (!document_.Dirty()) {
    return true;
  }
  switch (prompts_.Show(std::string(kApplicationTitle), UnsavedChangesQuestion(),
                        PromptIcon::Confirmation, PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
      document_.Save();
      return !document_.Dirty();  // a cancelled or refused save keeps the changes, and Zorvat
    case PromptAnswer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace zorvat
