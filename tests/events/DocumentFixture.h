#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/Clock.h"
#include "base/Files.h"
#include "events/ListDocument.h"
#include "events/ScriptedFileDialogs.h"
#include "support/FilesystemPaths.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace zorvat::testing {

// A list document over a fresh program folder (with its "Lib" folder), German formats, the
// prompts and file dialogs scripted, the clock at 5 March 2026 10:00.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() { std::filesystem::create_directory(PathFromUtf8(LibFile(""))); }

  std::string File(const std::string& name) const { return folder.File(name); }
  std::string LibFile(const std::string& name) const {
    return PathToUtf8(PathFromUtf8(folder.Path()) / "Lib" / PathFromUtf8(name));
  }
  std::string Bytes(const std::string& path) const { return ReadFileBytes(path).value_or("-"); }
  void Put(const std::string& path, std::string_view bytes) const {
    ReplaceFileAtomically(path, bytes);
  }

  EventRecord Message(const std::string& text, DateTime time = 0.25) const {
    return {time, kCmdMessage, text, "", false, true, false};
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : prompts.shown) {
      texts.push_back(box.text);
    }
    return texts;
  }

  TempFolder folder;
  ScriptedPrompts prompts;
  ScriptedFileDialogs dialogs;
  ManualClock clock{EncodeDateTime({2026, 3, 5}, {10, 0, 0, 0})};
  ListDocument doc{prompts, dialogs, clock, RegionalFormats::DeDe(), folder.Path()};
};

inline constexpr std::string_view kExampleFile =
    "[BaseInfo]\r\n"
    "ProgID=Brumsel! Zorvat v1.1\r\n"
    "[General]\r\n"
    "24.12.1998 18:30:00=0|Christmas dinner||0|1\r\n"
    "[Daily]\r\n"
    "07:15:00=1|C:\\Sounds\\wake.wav||0|1\r\n"
    "[Weekly]\r\n"
    "17:00:00=3|C:\\Data\\work.mdb|D:\\Backup\\work.mdb|1|1\r\n"
    "[Monthly]\r\n"
    "09:00:00=2|C:\\Tools\\report.exe|/monthly|1|0\r\n";

inline constexpr const char* kDiscardQuestion =
    "New Zorvat-list\n\nThere is data in the list that has not been saved yet. Continue anyway "
    "without saving?";

}  // namespace zorvat::testing
