#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A disk in memory, linked in place of the system's half of base/Disk.h (test programs only).
// Every file has the bytes a reader sees and the bytes a power cut would leave: written bytes
// reach the latter only when flushed, while a new name or a rename counts at once, as on a
// journalling file system that writes names before data. Paths are absolute, "/" separated.
namespace zorvat::testing::power_cut {

// What a power cut right now would leave at the path; nothing when no file would be there.
std::optional<std::string> AfterPowerCut(const std::string& path);

// Runs after every step that changes the disk, with the step as "write P", "flush P",
// "rename P -> Q" or "remove P".
void OnEachStep(std::function<void(const std::string& step)> check);

// Forgets every file and folder.
void Wipe();

}  // namespace zorvat::testing::power_cut
