#include <gtest/gtest.h>

#include <string>

#include "platform/Win32FileDialogs.h"

namespace zorvat {
namespace {

// What the dialog function was given, and the file it "chose" (nothing: cancelled).
struct RecordedDialog {
  OPENFILENAMEW given{};
  std::wstring filter, initialFolder, extension;
  std::optional<std::wstring> choice;

  Win32FileDialogs::DialogFunction Function() {
    return [this](OPENFILENAMEW* dialog) {
      given = *dialog;
      const wchar_t* end = dialog->lpstrFilter;
      while (*end || end[1]) {
        ++end;
      }
      filter.assign(dialog->lpstrFilter, end + 2);
      initialFolder = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : L"(none)";
      extension = dialog->lpstrDefExt;
      if (!choice) {
        return FALSE;
      }
      choice->copy(dialog->lpstrFile, dialog->nMaxFile - 1);
      dialog->lpstrFile[choice->size()] = L'\0';
      return TRUE;
    };
  }
};

TEST(Win32FileDialogs, OpenAndSaveCarryTheirFiltersFoldersAndFlags) {
  RecordedDialog open, save;
  const HWND owner = reinterpret_cast<HWND>(0x4321);
  Win32FileDialogs dialogs([&] { return owner; }, open.Function(), save.Function());
  open.choice = L"C:\\Listen\\Gr\u00fc\u00dfe.zrl";
  EXPECT_EQ(dialogs.ChooseFileToOpen("C:\\Zorvat\\Lib"),
            "C:\\Listen\\Gr\xc3\xbc\xc3\x9f"
            "e.zrl");
  EXPECT_EQ(open.filter,
            std::wstring(L"Zorvat Liste (*.zrl)\0*.zrl\0Alle Dateien (*.*)\0*.*\0\0", 51));
  EXPECT_EQ(open.initialFolder, L"C:\\Zorvat\\Lib");
  EXPECT_EQ(open.extension, L"zrl");
  EXPECT_EQ(open.given.hwndOwner, owner);
  EXPECT_EQ(open.given.Flags, static_cast<DWORD>(OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                                                 OFN_ENABLESIZING));

  EXPECT_EQ(dialogs.ChooseFileToSave(), std::nullopt);  // cancelled
  EXPECT_EQ(save.filter,
            std::wstring(L"Brumsel! Zorvat Liste (*.zrl)\0*.zrl\0Alle Dateien (*.*)\0*.*\0\0", 60));
  EXPECT_EQ(save.initialFolder, L"(none)");
  EXPECT_EQ(save.extension, L"zrl");
  EXPECT_EQ(save.given.Flags, static_cast<DWORD>(OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                                                 OFN_OVERWRITEPROMPT));
}

}  // namespace
}  // namespace zorvat
