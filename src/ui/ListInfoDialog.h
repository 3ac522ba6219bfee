#pragma once

#include <windows.h>

#include "base/Prompts.h"
#include "events/ListInfo.h"

namespace zorvat::ui {

// The list information window, modal, showing the texts and the file's icon (may be null).
void ShowListInfo(HWND owner, Prompts& errors, const ListInfoTexts& texts, HICON fileIcon);

// The about window, modal.
void ShowAbout(HWND owner, Prompts& errors);

}  // namespace zorvat::ui
