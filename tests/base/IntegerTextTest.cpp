#include <gtest/gtest.h>

#include "base/Error.h"
#include "base/IntegerText.h"

namespace zorvat {
namespace {

TEST(ParseInteger, AcceptedForms) {
  EXPECT_EQ(ParseInteger("0"), 0);
  EXPECT_EQ(ParseInteger("  42"), 42);
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInteger("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseInteger("$1F"), 31);
  EXPECT_EQ(ParseInteger("0x1f"), 31);
  EXPECT_EQ(ParseInteger("0X10"), 16);
  EXPECT_EQ(ParseInteger("-$10"), -16);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);  // hex wraps
  EXPECT_EQ(ParseInteger("0300"), 300);
}

TEST(ParseInteger, RejectedFormsNameTheText) {
  for (const char* text : {"", " ", "+", "-", "$", "0x", "abc", "12 ", "1.5", "2147483648",
                           "-2147483649", "$100000000", "- 5", "1e3", "0x-5"}) {
    try {
      ParseInteger(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const Error& e) {
      EXPECT_EQ(e.what(), std::string("'") + text + "' is not a valid integer value");
    }
  }
}

TEST(ParseSettingsInteger, PrefixesAndFallback) {
  EXPECT_EQ(ParseSettingsInteger("0x1F", 5000), 31);
  EXPECT_EQ(ParseSettingsInteger("$10", 5000), 16);
  EXPECT_EQ(ParseSettingsInteger("70000", 5000), 70000);
  EXPECT_EQ(ParseSettingsInteger("-3", 5000), -3);
  EXPECT_EQ(ParseSettingsInteger("fast", 5000), 5000);
  EXPECT_EQ(ParseSettingsInteger("", 5000), 5000);
  EXPECT_EQ(ParseSettingsInteger("0x", 5000), 5000);  // two characters: decimal, fails
  EXPECT_EQ(ParseSettingsInteger("$", 7), 7);
  EXPECT_EQ(ParseSettingsInteger("0x1G", 7), 7);
}

}  // namespace
}  // namespace zorvat
