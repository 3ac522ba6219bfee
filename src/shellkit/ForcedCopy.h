#pragma once

#include <string>

namespace zorvat::shellkit {

// Copies over an existing target, creating the target's folder with every missing parent.
// A missing source does nothing; a refused folder or copy is silent. Throws zorvat::Error
// "Unable to create directory" when the target names no folder (a bare file name).
void CopyFileForced(const std::string& source, const std::string& target);

}  // namespace zorvat::shellkit
