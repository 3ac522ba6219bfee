#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "DialogIds.h"
#include "events/EventRecord.h"
#include "support/ScriptedPrompts.h"
#include "ui/ParameterDialogs.h"
#include "win/DialogScript.h"

namespace zorvat::ui {
namespace {

using testing::DialogScript;

LOGFONTW FontOf(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

// Every editing dialog is set in Arial 8 pt, 11 px at 96 dpi, by its template.
TEST(ParameterDialogs, EveryEditingDialogIsSetInArial) {
  for (const int id : {IDD_EVENT_PROPERTIES, IDD_MESSAGE_PARAMETERS, IDD_ALERT_PARAMETERS,
                       IDD_APP_START_PARAMETERS, IDD_COPY_PARAMETERS, IDD_RENAME_PARAMETERS,
                       IDD_DELETE_PARAMETERS, IDD_SCREEN_PARAMETERS}) {
    const HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr,
                                           &NoHandling, 0);
    ASSERT_NE(dialog, nullptr) << id;
    const LOGFONTW font = FontOf(dialog);
    EXPECT_STREQ(font.lfFaceName, L"Arial") << id;
    EXPECT_EQ(MulDiv(font.lfHeight, 96, static_cast<int>(GetDpiForWindow(dialog))), -11) << id;
    DestroyWindow(dialog);
  }
}

// The title is Arial 12 px bold; the buttons are flat and a browse button shows a picture.
TEST(ParameterDialogs, BoldTitleAndFlatButtonsWithPictures) {
  testing::ScriptedPrompts errors;
  LOGFONTW title{};
  std::array<LONG_PTR, 3> styles{};
  std::array<bool, 2> pictured{};
  DialogScript script;
  script.At("Copy file", [&](HWND dialog) {
    title = FontOf(GetDlgItem(dialog, IDC_TITLE));
    int i = 0;
    for (const int id : {IDC_BROWSE1, IDC_BROWSE2}) {
      const HWND button = GetDlgItem(dialog, id);
      styles[i] = GetWindowLongPtrW(button, GWL_STYLE);
      pictured[i++] = SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0) != 0;
    }
    styles[2] = GetWindowLongPtrW(GetDlgItem(dialog, IDOK), GWL_STYLE);
    return true;
  });
  script.Press("Copy file", IDCANCEL);
  EditParameters(nullptr, errors, ParameterDialog::CopyFile, {"", ""});
  EXPECT_FALSE(script.TimedOut());
  EXPECT_STREQ(title.lfFaceName, L"Arial");
  EXPECT_EQ(title.lfHeight, -12);
  EXPECT_GE(title.lfWeight, FW_BOLD);
  EXPECT_EQ(styles[0] & (BS_ICON | BS_FLAT), BS_ICON | BS_FLAT);
  EXPECT_EQ(styles[1] & (BS_ICON | BS_FLAT), BS_ICON | BS_FLAT);
  EXPECT_EQ(styles[2] & BS_FLAT, BS_FLAT);
  EXPECT_TRUE(pictured[0]);
  EXPECT_TRUE(pictured[1]);
}

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) {
    return 0;
  }
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) {
    DeleteObject(info.hbmColor);
  }
  return mask.bmWidth;
}

// The pictures are loaded at the sizes the system draws icons at on the dialog's monitor, and
// again when the dialog moves to a monitor of another scale: neither blurred nor cut.
TEST(ParameterDialogs, PicturesFollowTheScaleOfTheMonitor) {
  testing::ScriptedPrompts errors;
  std::array<int, 2> before{};
  std::array<int, 2> after{};
  int dpi = 0;
  const auto sizes = [](HWND dialog) {
    return std::array<int, 2>{IconWidth(reinterpret_cast<HICON>(
                                  SendDlgItemMessageW(dialog, IDC_PICTURE, STM_GETICON, 0, 0))),
                              IconWidth(reinterpret_cast<HICON>(SendDlgItemMessageW(
                                  dialog, IDC_BROWSE1, BM_GETIMAGE, IMAGE_ICON, 0)))};
  };
  DialogScript script;
  script.At("Copy file", [&](HWND dialog) {
    dpi = static_cast<int>(GetDpiForWindow(dialog));
    before = sizes(dialog);
    const int larger = dpi * 3 / 2;
    RECT suggested{};
    GetWindowRect(dialog, &suggested);
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(larger, larger),
                 reinterpret_cast<LPARAM>(&suggested));
    after = sizes(dialog);
    return true;
  });
  script.Press("Copy file", IDCANCEL);
  EditParameters(nullptr, errors, ParameterDialog::CopyFile, {"", ""});
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(before[0], GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(dpi)));
  EXPECT_EQ(before[1], GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)));
  EXPECT_EQ(after[0], GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(dpi * 3 / 2)));
  EXPECT_EQ(after[1], GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi * 3 / 2)));
  EXPECT_GT(after[0], before[0]);
}

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
