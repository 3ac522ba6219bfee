#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/MessageBoxPrompts.h"
#include "shellkit/WideText.h"

namespace zorvat {
namespace {

// What MessageBoxW was asked, and the button the test presses.
struct RecordedBox {
  HWND owner = nullptr;
  std::wstring text;
  std::wstring title;
  UINT style = 0;
  int result = IDOK;

  MessageBoxPrompts::MessageBoxFunction Function() {
    return [this](HWND o, const wchar_t* t, const wchar_t* c, UINT s) {
      owner = o;
      text = t;
      title = c;
      style = s;
      return result;
    };
  }
};

TEST(MessageBoxPrompts, IconsAndButtonSets) {
  const struct {
    PromptIcon icon;
    PromptButtons buttons;
    UINT style;
  } cases[] = {
      {PromptIcon::Information, PromptButtons::Ok, MB_ICONINFORMATION | MB_OK},
      {PromptIcon::Confirmation, PromptButtons::YesNo, MB_ICONQUESTION | MB_YESNO},
      {PromptIcon::Confirmation, PromptButtons::YesCancel, MB_ICONQUESTION | MB_OKCANCEL},
      {PromptIcon::Confirmation, PromptButtons::YesNoCancel, MB_ICONQUESTION | MB_YESNOCANCEL},
      {PromptIcon::Warning, PromptButtons::Ok, MB_ICONWARNING | MB_OK},
      {PromptIcon::Error, PromptButtons::Ok, MB_ICONERROR | MB_OK},
      {PromptIcon::None, PromptButtons::Ok, MB_OK}};
  for (const auto& c : cases) {
    RecordedBox box;
    MessageBoxPrompts(nullptr, box.Function()).Show("t", "x", c.icon, c.buttons);
    EXPECT_EQ(box.style, c.style) << static_cast<int>(c.icon) << static_cast<int>(c.buttons);
  }
}

TEST(MessageBoxPrompts, TextsTravelAsUtf16AndTheMainWindowOwnsTheBox) {
  const HWND mainWindow = reinterpret_cast<HWND>(0x1234);
  RecordedBox box;
  MessageBoxPrompts prompts([&] { return mainWindow; }, box.Function());
  prompts.ShowError(
      "Gr\xc3\xb6\xc3\x9f"
      "e nicht erlaubt");
  EXPECT_EQ(box.owner, mainWindow);
  EXPECT_EQ(box.title, L"Brumsel! Zorvat");
  EXPECT_EQ(box.text, L"Gr\u00f6\u00dfe nicht erlaubt.");
  EXPECT_EQ(box.style, static_cast<UINT>(MB_ICONERROR | MB_OK));

  RecordedBox ownerless;
  MessageBoxPrompts(nullptr, ownerless.Function()).Inform("Information", "x");
  EXPECT_EQ(ownerless.owner, nullptr);
}

// A box raised while the main window has a dialog open belongs to the dialog, which then waits
// for it; a dialog that cannot take it (disabled behind a box of its own, or gone) leaves it to
// the main window.
TEST(MessageBoxPrompts, ABoxRaisedWhileADialogIsOpenBelongsToTheDialog) {
  const HWND mainWindow = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                          0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
  const HWND dialog = CreateWindowExW(0, L"STATIC", L"dialog", WS_POPUP | WS_VISIBLE, 20, 20, 100,
                                      80, mainWindow, nullptr, nullptr, nullptr);
  ASSERT_TRUE(mainWindow && dialog);
  SetActiveWindow(dialog);
  RecordedBox box;
  MessageBoxPrompts prompts([&] { return mainWindow; }, box.Function());
  prompts.ShowError("x");
  EXPECT_EQ(box.owner, dialog);
  EnableWindow(dialog, FALSE);
  prompts.ShowError("x");
  EXPECT_EQ(box.owner, mainWindow);
  DestroyWindow(dialog);
  SetActiveWindow(mainWindow);
  prompts.ShowError("x");
  EXPECT_EQ(box.owner, mainWindow);
  DestroyWindow(mainWindow);
}

TEST(MessageBoxPrompts, AnswersFollowTheButtonPressed) {
  const struct {
    PromptButtons buttons;
    int result;
    PromptAnswer answer;
  } cases[] = {{PromptButtons::Ok, IDOK, PromptAnswer::Ok},
               {PromptButtons::YesNo, IDYES, PromptAnswer::Yes},
               {PromptButtons::YesNo, IDNO, PromptAnswer::No},
               {PromptButtons::YesCancel, IDOK, PromptAnswer::Yes},
               {PromptButtons::YesCancel, IDCANCEL, PromptAnswer::Cancel},
               {PromptButtons::YesNoCancel, IDNO, PromptAnswer::No},
               {PromptButtons::YesNo, 0, PromptAnswer::Cancel}};
  for (const auto& c : cases) {
    RecordedBox box;
    box.result = c.result;
    EXPECT_EQ(MessageBoxPrompts(nullptr, box.Function())
                  .Show("t", "x", PromptIcon::Confirmation, c.buttons),
              c.answer)
        << c.result;
  }
}

// A real box, read and answered by a timer of this thread while the box's own loop runs.
struct LiveBox {
  std::wstring title;
  std::wstring okText;
  bool hasCancel = false;
  bool hasNo = false;
  HWND owner = nullptr;
  int press = IDOK;
};
// The enumeration callback below reaches the test through it.
LiveBox* liveBox = nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  wchar_t className[16] = L"";
  GetClassNameW(window, className, 16);
  if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box) {
    return;
  }
  KillTimer(nullptr, timer);
  wchar_t text[256] = L"";
  GetWindowTextW(box, text, 256);
  liveBox->title = text;
  GetDlgItemTextW(box, IDOK, text, 256);
  liveBox->okText = GetDlgItem(box, IDOK) ? text : L"";
  liveBox->hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
  liveBox->hasNo = GetDlgItem(box, IDNO) != nullptr;
  liveBox->owner = GetWindow(box, GW_OWNER);
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(liveBox->press, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, liveBox->press)));
}

PromptAnswer ShowLive(LiveBox& box, HWND owner, PromptButtons buttons) {
  liveBox = &box;
  SetTimer(nullptr, 0, 100, &AnswerBox);
  MessageBoxPrompts prompts([owner] { return owner; });
  const PromptAnswer answer =
      prompts.Show("Brumsel! Zorvat", "New Zorvat-list\n\nContinue anyway without saving?",
                   PromptIcon::Confirmation, buttons);
  liveBox = nullptr;
  return answer;
}

TEST(MessageBoxPrompts, RealYesCancelBoxShowsYesAndCancelAndAnswersYes) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"Zorvat owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, nullptr, nullptr);
  LiveBox box;
  EXPECT_EQ(ShowLive(box, owner, PromptButtons::YesCancel), PromptAnswer::Yes);
  EXPECT_EQ(box.title, L"Brumsel! Zorvat");
  EXPECT_EQ(box.okText, L"&Yes");
  EXPECT_TRUE(box.hasCancel);
  EXPECT_FALSE(box.hasNo);
  EXPECT_EQ(box.owner, owner);
  DestroyWindow(owner);

  // The relabelling ends with the question: a later OK box keeps its OK.
  LiveBox later;
  EXPECT_EQ(ShowLive(later, nullptr, PromptButtons::Ok), PromptAnswer::Ok);
  EXPECT_NE(later.okText, L"&Yes");
}

TEST(MessageBoxPrompts, RealYesNoBoxAnswersNo) {
  LiveBox box;
  box.press = IDNO;
  EXPECT_EQ(ShowLive(box, nullptr, PromptButtons::YesNo), PromptAnswer::No);
  EXPECT_TRUE(box.hasNo);
}

}  // namespace
}  // namespace zorvat
