#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "base/Prompts.h"
#include "settings/OptionsValues.h"

namespace zorvat::ui {

// Keeps what the user confirmed; a zorvat::Error it throws (a refused settings write) is shown
// and the dialog stays open with the user's values.
using OptionsCommit = std::function<void(const OptionsValues& confirmed)>;

// The options dialog showing `shown` with page `page` in front: what the user confirmed (after
// `commit` took it), nothing when cancelled. `page` comes back as the page last in front.
std::optional<OptionsValues> EditOptions(HWND owner, Prompts& errors, const OptionsValues& shown,
                                         int& page, const OptionsCommit& commit);

}  // namespace zorvat::ui
