#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "OptionsDialogIds.h"
#include "settings/OptionsTable.h"
#include "settings/OptionsTexts.h"

namespace zorvat {
namespace {

std::vector<int> ControlsOf(const Option& option) {
  std::vector<int> ids{option.control};
  if (std::holds_alternative<NumberOption>(option.value)) {
    ids.push_back(SpinButtonOf(option));
  } else if (const auto* choice = std::get_if<ChoiceOption>(&option.value)) {
    for (int i = 1; i < choice->count; ++i) {
      ids.push_back(ChoiceButtonOf(option, i));
    }
  }
  return ids;
}

// The dialog shows a page by its block of control ids: a control outside its page's block would
// show on another page, or on none.
TEST(OptionsTable, EveryControlLiesInItsPagesBlockAndServesOneOption) {
  std::set<int> used;
  for (const Option& option : Options()) {
    ASSERT_LT(static_cast<std::size_t>(option.page), kOptionsPages.size()) << option.key.name;
    const int first = IDC_OPTIONS_PAGE_FIRST + IDC_OPTIONS_PAGE_SIZE * option.page;
    for (const int id : ControlsOf(option)) {
      EXPECT_GE(id, first) << option.key.name;
      EXPECT_LT(id, first + IDC_OPTIONS_PAGE_SIZE) << option.key.name;
      EXPECT_TRUE(used.insert(id).second) << option.key.name << " shares control " << id;
    }
  }
}

// Keys match without regard to case; a default outside its range would show as another value.
TEST(OptionsTable, KeysAreUniqueAndDefaultsLieWithinTheirRanges) {
  std::set<std::string> keys;
  for (const Option& option : Options()) {
    std::string key = std::string(option.key.section) + "|" + std::string(option.key.name);
    for (char& c : key) {
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_TRUE(keys.insert(key).second) << key;
    const int fallback = option.key.fallback;
    if (const auto* number = std::get_if<NumberOption>(&option.value)) {
      for (const int value : {fallback, number->startFallback.value_or(fallback)}) {
        EXPECT_EQ(number->range.Clamp(value), value) << option.key.name;
      }
    } else if (const auto* choice = std::get_if<ChoiceOption>(&option.value)) {
      EXPECT_TRUE(fallback >= 0 && fallback < choice->count) << option.key.name;
    }
  }
}

}  // namespace
}  // namespace zorvat
