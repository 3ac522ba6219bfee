#pragma once

#include <cstdint>
#include <string>

#include "shellkit/Handles.h"

namespace zorvat::shellkit {

// Kind 1: the shell's type name; 2: last modified, local, in the user's short date and long
// time formats (the date alone at exactly midnight); 3: the size in bytes. "0" when the path
// names no existing file, "" for another kind.
std::string GetFileDetail(const std::string& path, std::uint8_t kind);

// The shell's standard-size icon for the file; empty when the shell has none. For many files at
// once, ShellLibrary::FileIcon spares loading shell32 for each.
Icon GetFileIcon(const std::string& path);

}  // namespace zorvat::shellkit
