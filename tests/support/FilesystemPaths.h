#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zorvat {

// The tests look at files through std::filesystem; the program's file layer keeps UTF-8 strings.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

}  // namespace zorvat
