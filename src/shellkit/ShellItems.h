#pragma once

#include <string>

namespace zorvat::shellkit {

// "NEWGROUP" (any case) creates the folder `group` under the Programs folder. "NEWItem" (any
// case) does the same and puts a shortcut to `target` named `title`.lnk in it: the one that
// the shell makes in the Recent folder, or, when the shell makes none there, a new one whose
// working folder is the target's. An existing shortcut of that name is left as it was.
// Other commands do nothing; failures are silent.
void ShellItemCommand(const std::string& command, const std::string& group,
                      const std::string& title, const std::string& target);

}  // namespace zorvat::shellkit
