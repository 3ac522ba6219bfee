#include "base/PowerCutDisk.h"

#include <map>
#include <optional>
#include <set>
#include <utility>

#include "base/Disk.h"
#include "base/Files.h"

namespace zorvat {
namespace {

struct StoredFile {
  std::string bytes;
  std::string kept;  // what survives a power cut
};

struct Disk {
  std::map<std::string, StoredFile, std::less<>> files;
  std::set<std::string, std::less<>> folders{"/"};
  std::function<void(const std::string&)> check;

  void Step(const std::string& step) const {
    if (check) {
      check(step);
    }
  }
};

Disk& TheDisk() {
  static Disk disk;
  return disk;
}

}  // namespace

namespace testing::power_cut {

std::optional<std::string> AfterPowerCut(const std::string& path) {
  const auto found = TheDisk().files.find(path);
  if (found == TheDisk().files.end()) {
    return std::nullopt;
  }
  return found->second.kept;
}

void OnEachStep(std::function<void(const std::string& step)> check) {
  TheDisk().check = std::move(check);
}

void Wipe() {
  TheDisk() = Disk{};
}

}  // namespace testing::power_cut

std::optional<std::string> AbsolutePath(std::string_view path) {
  if (path.empty()) {
    return std::nullopt;
  }
  return path.front() == '/' ? std::string(path) : "/" + std::string(path);
}

bool CreateFolders(std::string_view utf8Path) {
  TheDisk().folders.emplace(utf8Path);
  return true;
}

bool RemoveFile(std::string_view utf8Path) {
  const auto found = TheDisk().files.find(utf8Path);
  if (found == TheDisk().files.end()) {
    return false;
  }
  TheDisk().files.erase(found);
  TheDisk().Step("remove " + std::string(utf8Path));
  return true;
}

namespace disk {

EntryKind KindAt(std::string_view path) {
  if (TheDisk().files.contains(path)) {
    return EntryKind::File;
  }
  return TheDisk().folders.contains(path) ? EntryKind::Folder : EntryKind::Nothing;
}

Entry Inspect(std::string_view path) {
  const auto found = TheDisk().files.find(path);
  if (found == TheDisk().files.end()) {
    return {KindAt(path), false, 0};
  }
  return {EntryKind::File, true, found->second.bytes.size()};
}

std::string FollowLinks(std::string_view path) {
  return std::string(path);
}

bool ReadInto(std::string_view path, std::size_t most, std::uintmax_t /*sizeHint*/,
              std::string& bytes) {
  const auto found = TheDisk().files.find(path);
  if (found == TheDisk().files.end()) {
    return false;
  }
  bytes.append(found->second.bytes.substr(0, most));
  return true;
}

bool WriteNewFile(std::string_view path, std::string_view bytes, bool flush) {
  if (KindAt(path) != EntryKind::Nothing) {
    return false;
  }
  TheDisk().files.emplace(std::string(path), StoredFile{std::string(bytes), {}});
  TheDisk().Step("write " + std::string(path));
  if (flush) {
    TheDisk().files.find(path)->second.kept = bytes;
    TheDisk().Step("flush " + std::string(path));
  }
  return true;
}

bool MoveFileInPlace(std::string_view from, std::string_view to, bool replace) {
  auto& files = TheDisk().files;
  const auto source = files.find(from);
  if (source == files.end() || (!replace && KindAt(to) != EntryKind::Nothing)) {
    return false;
  }
  StoredFile moved = std::move(source->second);
  files.erase(source);
  files.insert_or_assign(std::string(to), std::move(moved));
  TheDisk().Step("rename " + std::string(from) + " -> " + std::string(to));
  return true;
}

bool CommitReplacement(std::string_view temporary, std::string_view target) {
  return MoveFileInPlace(temporary, target, true);
}

}  // namespace disk
}  // namespace zorvat
