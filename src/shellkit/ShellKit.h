#pragma once

// The system services: free functions over the Windows shell, registry, taskbar, session and
// display. UTF-8 in and out; wide strings only at the system calls.

#include "base/Fields.h"
#include "shellkit/DisplayMode.h"
#include "shellkit/FileDetails.h"
#include "shellkit/ForcedCopy.h"
#include "shellkit/Handles.h"
#include "shellkit/Paths.h"
#include "shellkit/Programs.h"
#include "shellkit/Session.h"
#include "shellkit/ShellItems.h"
#include "shellkit/ShellWindows.h"
#include "shellkit/SystemFolders.h"

namespace zorvat::shellkit {

// The list file reader's field cutter is the same one, shared with the portable core.
using zorvat::ExtractField;

}  // namespace zorvat::shellkit
