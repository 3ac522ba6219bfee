#pragma once

#include <string>

namespace zorvat::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Path() + separator + name, UTF-8.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace zorvat::testing
