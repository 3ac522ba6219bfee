#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "events/FileDialogs.h"

namespace zorvat::testing {

// Answers the open and save dialogs from a script (nothing = cancelled) and records each use.
class ScriptedFileDialogs : public FileDialogs {
 public:
  void Choose(std::optional<std::string> path) { answers_.push_back(std::move(path)); }

  std::optional<std::string> ChooseFileToOpen(const std::string& startFolder) override {
    opened.push_back(startFolder);
    return Next();
  }
  std::optional<std::string> ChooseFileToSave() override {
    ++saveDialogs;
    return Next();
  }

  std::vector<std::string> opened;  // start folder of each open dialog
  int saveDialogs = 0;

 private:
  std::optional<std::string> Next() {
    if (answers_.empty()) {
      ADD_FAILURE() << "unscripted file dialog";
      return std::nullopt;
    }
    auto answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  std::deque<std::optional<std::string>> answers_;
};

}  // namespace zorvat::testing
