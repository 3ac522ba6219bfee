#include "support/TempFolder.h"
#include "support/FilesystemPaths.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "base/Files.h"

namespace fs = std::filesystem;

namespace zorvat::testing {

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path folder = fs::temp_directory_path() / ("zorvat-test-" + std::to_string(stamp) +
                                                       "-" + std::to_string(counter++));
  fs::create_directories(folder);
  path_ = PathToUtf8(folder);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  // Read-only files left by a test must not keep their folder alive.
  for (const auto& entry : fs::recursive_directory_iterator(PathFromUtf8(path_), ec)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(PathFromUtf8(path_), ec);
}

std::string TempFolder::File(const std::string& name) const {
  return PathToUtf8(PathFromUtf8(path_) / PathFromUtf8(name));
}

}  // namespace zorvat::testing
