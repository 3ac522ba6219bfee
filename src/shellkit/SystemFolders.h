#pragma once

#include <cstdint>
#include <string>

namespace zorvat::shellkit {

// Selectors of GetSystemFolder that the program itself uses.
inline constexpr std::uint8_t kWindowsFolder = 1;
inline constexpr std::uint8_t kProgramsFolder = 8;
inline constexpr std::uint8_t kRecentFolder = 17;
inline constexpr std::uint8_t kStartupFolder = 19;

// The folder that the registry names for the selector (1-6: the machine's CurrentVersion key,
// 7-22: the user's Shell Folders key), as stored: "[?]" when the value is missing, "0" for a
// selector outside 1-22.
std::string GetSystemFolder(std::uint8_t selector);

}  // namespace zorvat::shellkit
