#include <gtest/gtest.h>

#include <string>

#include "DialogIds.h"
#include "events/EventRecord.h"
#include "support/ScriptedPrompts.h"
#include "ui/ParameterDialogs.h"
#include "win/DialogScript.h"

namespace zorvat::ui {
namespace {

using testing::DialogScript;

TEST(ParameterDialogs, OneInputEmptiesOperandTwoAndCancelGivesNothing) {
  testing::ScriptedPrompts errors;
  {
    DialogScript script;
    script.Type("Message", IDC_OPERAND1, "Tee ist fertig").Press("Message", IDOK);
    EXPECT_EQ(EditParameters(nullptr, errors, ParameterDialog::Message, {"C:\\a.txt", "D:\\b.txt"}),
              (Operands{"Tee ist fertig", ""}));
  }
  {
    DialogScript script;
    script.Type("Alert", IDC_OPERAND1, "changed").Press("Alert", IDCANCEL);
    EXPECT_EQ(EditParameters(nullptr, errors, ParameterDialog::Alert, {"a.wav", "x"}),
              std::nullopt);
    EXPECT_FALSE(script.TimedOut());
  }
}

TEST(ParameterDialogs, ScreenDropDownsOfferTheChoicesAndKeepATypedText) {
  testing::ScriptedPrompts errors;
  DialogScript script;
  script.Choose("Screen resolution", IDC_OPERAND1, 3)
      .Type("Screen resolution", IDC_OPERAND2, "32 bit selbst getippt")
      .Press("Screen resolution", IDOK);
  EXPECT_EQ(EditParameters(nullptr, errors, ParameterDialog::DisplayMode, {"", ""}),
            (Operands{"800 x 600 Pixel", "32 bit selbst getippt"}));
}

// A list file cannot hold these; the user keeps his text to correct it.
TEST(ParameterDialogs, RefusedOperandsKeepTheDialogOpenWithTheTextAsTyped) {
  const std::string longHalf(kMaxOperandCharacters / 2 + 1, 'x');
  const struct {
    std::string from;
    std::string to;
    std::string message;
  } cases[] = {
      {"C:\\a|b.txt", "", UnstorableOperandMessage()},
      {"C:\\a.txt", "line\r\nbreak", UnstorableOperandMessage()},
      {longHalf, longHalf, OperandsTooLongMessage()},
  };
  for (const auto& c : cases) {
    testing::ScriptedPrompts errors;
    std::string keptFrom;
    DialogScript script;
    script.Type("Rename file", IDC_OPERAND1, c.from)
        .Type("Rename file", IDC_OPERAND2, c.to)
        .Press("Rename file", IDOK)
        .At("Rename file",
            [&](HWND dialog) {
              keptFrom = DialogScript::ItemText(dialog, IDC_OPERAND1);
              return true;
            })
        .Type("Rename file", IDC_OPERAND1, "C:\\fine.txt")
        .Type("Rename file", IDC_OPERAND2, "C:\\new.txt")
        .Press("Rename file", IDOK);
    const auto result = EditParameters(nullptr, errors, ParameterDialog::RenameFile, {"", ""});
    EXPECT_FALSE(script.TimedOut());
    ASSERT_EQ(errors.shown.size(), 1u) << c.from;
    EXPECT_EQ(errors.shown[0].text, c.message);
    EXPECT_EQ(keptFrom, c.from);
    EXPECT_EQ(result, (Operands{"C:\\fine.txt", "C:\\new.txt"}));
  }
}

}  // namespace
}  // namespace zorvat::ui
