#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zorvat {

// The three recent-file entries of the File menu (mirrored by the tray menu). An entry that does
// not name an existing file, like the start captions, is free for the next path offered.
class RecentFiles {
 public:
  static constexpr std::size_t kCount = 3;
  using Entries = std::array<std::string, kCount>;
  static Entries StartCaptions() { return {"[Keine#1]", "[Keine#2]", "[Keine#3]"}; }

  explicit RecentFiles(Entries entries = StartCaptions()) : entries_(std::move(entries)) {}

  const Entries& All() const { return entries_; }
  const std::string& operator[](std::size_t i) const { return entries_.at(i); }

  // A path already present (compared exactly) keeps its place; otherwise it fills the first
  // entry that names no existing file, or, when all three do, goes on top and pushes the others
  // down.
  void Offer(const std::string& path);

 private:
  Entries entries_;
};

// Recent entry `number` (1 .. 3) as its menu item shows it: an "&" in the path stays an "&"
// (it does not mark a key), and the entry's shortcut key F5 .. F7 follows a tab.
std::string RecentMenuText(std::string_view entry, std::size_t number);

}  // namespace zorvat
