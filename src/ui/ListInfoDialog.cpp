#include "ui/ListInfoDialog.h"

#include "OptionsDialogIds.h"
#include "ui/Fonts.h"
#include "ui/ModalDialog.h"
#include "ui/ProductPictures.h"

namespace zorvat::ui {
namespace {

class ListInfoDialog final : public ModalDialog {
 public:
  ListInfoDialog(Prompts& errors, const ListInfoTexts& texts, HICON icon)
      : ModalDialog(errors), texts_(texts), icon_(icon) {}

  void Show(HWND owner) { Run(owner, IDD_LIST_INFO); }

 private:
  void OnInit() override {
    SendDlgItemMessageW(Handle(), IDC_INFO_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    SetItemText(IDC_INFO_FILE, texts_.fileName);
    SetItemText(IDC_INFO_TYPE, texts_.type);
    SetItemText(IDC_INFO_FOLDER, texts_.folder);
    SetItemText(IDC_INFO_SIZE, texts_.size);
    SetItemText(IDC_INFO_DATE, texts_.date);
    for (std::size_t i = 0; i < texts_.counts.size(); ++i) {
      SetItemText(IDC_INFO_COUNT_FIRST + static_cast<int>(i), texts_.counts[i]);
    }
    FocusItem(IDOK);
  }

  const ListInfoTexts& texts_;
  HICON icon_;
};

class AboutDialog final : public ModalDialog {
 public:
  explicit AboutDialog(Prompts& errors) : ModalDialog(errors) {}

  void Show(HWND owner) { Run(owner, IDD_ABOUT); }

 private:
  void OnInit() override {
    const Dpi dpi = Dpi::Of(Handle());
    productFont_ = MakeFont(L"Arial", 21, true, dpi);  // 16 point
    MakeBold(IDC_ABOUT_NOTICE);
  }

  // The pictures and the product word lie under the controls, drawn with the background.
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message != WM_PAINT) {
      return std::nullopt;
    }
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    const Dpi dpi = Dpi::Of(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    pictures_.Draw(dc, dpi, MulDiv(client.right, Dpi::kDesign, dpi.Value()));
    const HGDIOBJ previous = SelectObject(dc, productFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutW(dc, dpi(170), dpi(8), L"Brumsel!", 8);
    SelectObject(dc, previous);
    EndPaint(Handle(), &paint);
    return TRUE;
  }

  ProductPictures pictures_;
  shellkit::Font productFont_;
};

}  // namespace

void ShowListInfo(HWND owner, Prompts& errors, const ListInfoTexts& texts, HICON fileIcon) {
  ListInfoDialog(errors, texts, fileIcon).Show(owner);
}

void ShowAbout(HWND owner, Prompts& errors) {
  AboutDialog(errors).Show(owner);
}

}  // namespace zorvat::ui
