#include "events/ExitPath.h"

#include <string>
#include <utility>
#include <vector>

#include "base/Error.h"
#include "base/Prompts.h"
#include "base/ScopeGuard.h"
#include "events/EventMessages.h"
#include "events/ListDocument.h"
#include "settings/SettingsStore.h"

namespace zorvat {
bool ExitPath::MayClose(const WindowLayout& layout) {
  // A No to saving holds until this close has asked all it asks, and a close asked meanwhile
  // (the session's question inside the exit question) gives it back. A later close asks again.
  const ScopeGuard answered([this, before = saveDeclined_]() noexcept { saveDeclined_ = before; });
  if (!OfferToSave()) {
    return false;
  }
  WriteCloseSettingsTellingOnce(layout);
  agreed_ = prompts_.Confirm(ExitQuestion());
  return agreed_;
}

void ExitPath::SessionEnds(const WindowLayout& layout) {
  if (agreed_) {
    return;
  }
  // The document first: it holds the user's work, and LastOpened then names where it went. A
  // refused save leaves the settings still to write. Changes the user declined to save while
  // the exit question is still open stay unsaved: that answer was given.
  try {
    if (!saveDeclined_) {
      document_.SaveUnasked();
    }
  } catch (const Error&) {
    WriteCloseSettingsTellingOnce(layout);
    throw;
  }
  WriteCloseSettingsTellingOnce(layout);
}

void ExitPath::WriteCloseSettings(const WindowLayout& layout) {
  std::vector<ProfileWrite> writes;
  const auto add = [&writes](const auto& key, std::string value) {
    writes.push_back({std::string(key.section), std::string(key.name), std::move(value)});
  };
  add(keys::kZorvatChoiceWidth, std::to_string(layout.leftColumnWidth));
  add(keys::kLastOpened, document_.CurrentFileName());
  for (std::size_t i = 0; i < keys::kRecentFile.size(); ++i) {
    add(keys::kRecentFile[i], document_.Recent()[i]);
  }
  add(keys::kMax, layout.maximized ? "1" : "0");
  settings_.WriteAll(writes);
}

void ExitPath::WriteCloseSettingsTellingOnce(const WindowLayout& layout) {
  if (settingsUnread_) {
    return;
  }
  try {
    WriteCloseSettings(layout);
  } catch (const Error& error) {
    if (!std::exchange(settingsTroubleShown_, true)) {
      prompts_.ShowError(error.what());
    }
  }
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
      saveDeclined_ = true;
      return true;
    default:
      return false;
  }
}

}  // namespace zorvat
