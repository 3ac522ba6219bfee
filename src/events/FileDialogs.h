#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

// The common open and save dialogs for list files. Both hide the read-only check box and give
// a chosen file the extension ".zrl" when it has none.
class FileDialogs {
 public:
  static constexpr std::string_view kDefaultExtension = "zrl";
  // Pairs of description and pattern, separated by "|".
  static constexpr std::string_view kOpenFilter =
      "Zorvat Liste (*.zrl)|*.zrl|Alle Dateien (*.*)|*.*";
  static constexpr std::string_view kSaveFilter =
      "Brumsel! Zorvat Liste (*.zrl)|*.zrl|Alle Dateien (*.*)|*.*";

  virtual ~FileDialogs() = default;

  // The open dialog (resizable), starting in `startFolder`: the chosen file's full path, nothing
  // when cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const std::string& startFolder) = 0;
  // The save dialog, starting where the system likes; it asks itself before an existing file is
  // overwritten.
  virtual std::optional<std::string> ChooseFileToSave() = 0;
};

}  // namespace zorvat
