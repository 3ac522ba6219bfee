#pragma once

#include <string>
#include <string_view>

namespace zorvat::shellkit {

// The path up to its last "\" or ":", without that "\" unless it is the first character or
// follows a ":" or another "\": C:\a\b.txt -> C:\a, C:\b.txt -> C:\, C:b.txt -> C:, b.txt -> "".
std::string FolderPart(std::string_view path);

// What follows the last "\" or ":".
std::string FileNamePart(std::string_view path);

}  // namespace zorvat::shellkit
