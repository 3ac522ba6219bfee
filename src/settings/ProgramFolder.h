#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

// The program folder: the folder of the running program file with its trailing separator, the
// base of "Zorvat.ini", "Lib" and "Data\Seq01.dll".
std::string ProgramFolderOf(std::string_view programFile);

std::string LibFolder(std::string_view programFolder);

// Creates "Lib" with any missing parents. A folder that cannot be made is not reported here:
// the first write into it reports it with the file's name.
void CreateLibFolder(std::string_view programFolder);

// "Data\Seq01.dll", the animation clip, when present; else the system's clip is used.
std::optional<std::string> AnimationClipFile(std::string_view programFolder);

}  // namespace zorvat
