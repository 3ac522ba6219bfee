#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Files.h"
#include "base/PowerCutDisk.h"
#include "events/ListFile.h"
#include "settings/SettingsStore.h"

namespace zorvat {
namespace {

namespace power_cut = testing::power_cut;

// Each file the user owns, or the program keeps, is replaced so that a power cut at any instant
// leaves its old bytes or its new ones under its name, never an empty or partial file: the new
// bytes are flushed before the rename that puts them there. The first save, with no file before
// it, leaves no file or the whole new one.
TEST(PowerCut, AReplacedFileHoldsItsOldOrItsNewBytesAtEveryInstant) {
  SettingsFile settings("/");
  const struct {
    const char* name;
    std::string path;
    std::function<void(int round)> write;
  } cases[] = {
      {"a list", "/Lib/Work.zrl",
       [](int round) {
         EventLists lists;
         lists[EventKind::Daily].Append(
             {{0.25, kCmdMessage, "round " + std::to_string(round), "", false}, true, false});
         WriteListFile("/Lib/Work.zrl", lists, RegionalFormats::EnUs());
       }},
      {"one setting", settings.Path(),
       [&](int round) { settings.Write(keys::kZorvatChoiceWidth, 100 + round); }},
      {"the close's settings", settings.Path(),
       [&](int round) {
         settings.WriteAll({{"Config", "ZorvatChoice_Width", std::to_string(round)},
                            {"Recent", "LastOpened", "/Lib/Work.zrl"}});
       }},
      // The stamp of what ran is written by the same helper.
      {"the stamp", "/Zorvat.stamp",
       [](int round) {
         ReplaceFileAtomically("/Zorvat.stamp", "UpTo=" + std::to_string(round) + "\r\n");
       }},
  };
  for (const auto& c : cases) {
    power_cut::Wipe();
    CreateFolders("/Lib");
    for (const int round : {1, 2}) {
      const std::optional<std::string> before = ReadFileBytes(c.path);
      std::vector<std::optional<std::string>> left;
      std::string steps;
      power_cut::OnEachStep([&](const std::string& step) {
        left.push_back(power_cut::AfterPowerCut(c.path));
        steps += "\n  " + step;
      });
      c.write(round);
      power_cut::OnEachStep(nullptr);
      const std::optional<std::string> after = ReadFileBytes(c.path);
      ASSERT_TRUE(after && after != before) << c.name;
      for (const auto& state : left) {
        EXPECT_TRUE(state == before || state == after)
            << c.name << ", save " << round << ": a power cut left \"" << state.value_or("(none)")
            << "\"; the steps:" << steps;
      }
      EXPECT_EQ(power_cut::AfterPowerCut(c.path), after) << c.name << steps;
    }
  }
}

}  // namespace
}  // namespace zorvat
