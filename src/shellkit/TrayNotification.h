#pragma once

#include <windows.h>

#include <shellapi.h>

namespace zorvat::shellkit {

// Shell_NotifyIconW with shell32 loaded for this call only. The tray keeps the icon, shell32
// keeps nothing of it; kept loaded, shell32 and what it brings would be about a megabyte of the
// working set of a program that spends its life in the tray and calls this a few times a day.
// False when the tray refused the request or shell32 could not be loaded.
bool NotifyTray(DWORD message, NOTIFYICONDATAW& record);

}  // namespace zorvat::shellkit
