#include "ui/EventListView.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "shellkit/WideText.h"
#include "win/ParentWindow.h"

namespace zorvat::ui {
namespace {

constexpr std::array<ListColumn, 3> kColumns{
    {{"0/ I      Date/Time", 150}, {"Event", 300}, {"Query", 80}}};

std::string ModulePath(const wchar_t* module) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(GetModuleHandleW(module), path, MAX_PATH);
  return Narrow(path);
}

std::string ItemText(HWND list, int row, int column) {
  wchar_t text[256] = {};
  ListView_GetItemText(list, row, column, text, 256);
  return Narrow(text);
}

int ItemImage(HWND list, int row) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  ListView_GetItem(list, &item);
  return item.iImage;
}

EventRows RowsOf(std::vector<EventRow> rows) {
  EventRows result;
  for (EventRow& row : rows) {
    result.Append(std::move(row));
  }
  return result;
}

// Thirteen kinds, all with the system's program icon.
shellkit::ImageList KindIcons(int size) {
  shellkit::ImageList icons(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 13, 0));
  for (int i = 0; i < 13; ++i) {
    ImageList_AddIcon(icons.get(), LoadIconW(nullptr, IDI_APPLICATION));
  }
  return icons;
}

int ImageSize(HWND list) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_SMALL), &width, &height);
  return width;
}

class EventListViewTest : public ::testing::Test {
 protected:
  EventListViewTest() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    view = std::make_unique<EventListView>(
        prompts, parent.Handle(), kColumns, &KindIcons,
        EventListView::Callbacks{
            [this](std::size_t row, bool checked) { checks.emplace_back(row, checked); },
            [this](std::size_t row) { selections.push_back(row); }});
    SetWindowPos(view->Handle(), nullptr, 0, 0, 600, 300, SWP_NOZORDER | SWP_SHOWWINDOW);
  }

  HWND List() const { return view->Handle(); }

  zorvat::testing::ScriptedPrompts prompts;
  ParentWindow parent{prompts, 600, 300};
  std::unique_ptr<EventListView> view;
  std::vector<std::pair<std::size_t, bool>> checks;
  std::vector<std::size_t> selections;
};

TEST_F(EventListViewTest, MirrorCopiesTextsChecksAndIconsWithOneImagePerFile) {
  const std::string program = ModulePath(nullptr);
  const std::string library = ModulePath(L"kernel32.dll");
  const EventRows first = RowsOf({
      {"07.12.2026 10:00:00", "Message: \"Tea\"", "No", true, RowIcon::Kind(KindIcon::Message)},
      {"07.12.2026", "AppStart: \"x\" (Parameter: \"\")", "Yes", false, RowIcon::OfFile(program)},
      {"08.12.2026", "Delete file: \"y\"", "-", true, RowIcon::OfFile(library)},
      {"09.12.2026", "Copy file, from \"x\" to \"z\"", "No", false, RowIcon::OfFile(program)},
      {"10.12.2026", "[Unknown]", "No", false, RowIcon{}},
  });
  view->Mirror(first);

  ASSERT_EQ(ListView_GetItemCount(List()), 5);
  EXPECT_EQ(ItemText(List(), 0, 0), "07.12.2026 10:00:00");
  EXPECT_EQ(ItemText(List(), 0, 1), "Message: \"Tea\"");
  EXPECT_EQ(ItemText(List(), 2, 2), "-");
  EXPECT_EQ(ItemText(List(), 1, 2), "Yes");
  const bool checked[] = {true, false, true, false, false};
  const int images[] = {9, 13, 14, 13, I_IMAGENONE};
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(ListView_GetCheckState(List(), row) != 0, checked[row]) << row;
    EXPECT_EQ(ItemImage(List(), row), images[row]) << row;
  }
  const HIMAGELIST shown = ListView_GetImageList(List(), LVSIL_SMALL);
  EXPECT_EQ(ImageList_GetImageCount(shown), 15);

  // A list cleared and refilled: fewer rows, another check state, images only for its files.
  const EventRows second = RowsOf({
      {"07.12.2026 10:00:00", "[removed]", "No", false, RowIcon::Kind(KindIcon::Message)},
      {"08.12.2026", "Delete file: \"y\"", "-", true, RowIcon::OfFile(library)},
  });
  view->Mirror(second);
  ASSERT_EQ(ListView_GetItemCount(List()), 2);
  EXPECT_EQ(ItemText(List(), 0, 1), "[removed]");
  EXPECT_FALSE(ListView_GetCheckState(List(), 0));
  EXPECT_EQ(ItemImage(List(), 1), 13);
  EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(List(), LVSIL_SMALL)), 14);
  EXPECT_TRUE(checks.empty()) << "mirroring is no user's click";
}

// The row icons are made at the small-icon size of the view's monitor, and again at that of
// another monitor when the view moves there; the rows keep their pictures.
TEST_F(EventListViewTest, RowIconsFollowTheScaleOfTheMonitor) {
  const EventRows rows = RowsOf({
      {"07.12.2026 10:00:00", "Message: \"Tea\"", "No", true, RowIcon::Kind(KindIcon::Message)},
      {"07.12.2026", "AppStart: \"x\"", "Yes", false, RowIcon::OfFile(ModulePath(nullptr))},
  });
  view->Mirror(rows);
  const int dpi = static_cast<int>(GetDpiForWindow(List()));
  EXPECT_EQ(ImageSize(List()), GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)));
  view->OnDpiChanged(dpi, dpi * 3 / 2);
  EXPECT_EQ(ImageSize(List()), GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi * 3 / 2)));
  EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(List(), LVSIL_SMALL)), 14);
  EXPECT_EQ(ItemImage(List(), 0), 9);
  EXPECT_EQ(ItemImage(List(), 1), 13);
  EXPECT_EQ(ItemText(List(), 1, 1), "AppStart: \"x\"");
}

// The control keeps no copy of the texts: it reads them from the rows it mirrors when it needs
// them, so the full lists' texts exist once.
TEST_F(EventListViewTest, TheTextsStayInTheRows) {
  EventRows rows = RowsOf({{"10:00:00", "Alert", "No", true, RowIcon::Kind(KindIcon::Alert)}});
  view->Mirror(rows);
  rows[0].eventText = "Message: \"Tea\"";
  rows[0].caption = "11:00:00";
  EXPECT_EQ(ItemText(List(), 0, 0), "11:00:00");
  EXPECT_EQ(ItemText(List(), 0, 1), "Message: \"Tea\"");
  EXPECT_EQ(ItemText(List(), 0, 2), "No");
}

TEST_F(EventListViewTest, AClickOnACheckBoxAndASelectionAreReportedWithTheirRow) {
  const EventRows rows =
      RowsOf({{"10:00:00", "Alert", "No", true, RowIcon::Kind(KindIcon::Alert)},
              {"11:00:00", "Alert", "No", false, RowIcon::Kind(KindIcon::Alert)}});
  view->Mirror(rows);
  RECT icon{};
  ASSERT_TRUE(ListView_GetItemRect(List(), 1, &icon, LVIR_ICON));
  LVHITTESTINFO hit{};
  hit.pt = {icon.left - 8, (icon.top + icon.bottom) / 2};
  ListView_HitTest(List(), &hit);
  ASSERT_EQ(hit.iItem, 1);
  ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON);

  SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
  SendMessageW(List(), WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
  ASSERT_EQ(checks.size(), 1u);
  EXPECT_EQ(checks[0], (std::pair<std::size_t, bool>{1, true}));

  ListView_SetItemState(List(), 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(selections, std::vector<std::size_t>{0});
  EXPECT_EQ(view->SelectedRow(), 0u);
}

// The callbacks run inside the parent's boundary: one that fails shows one box and the list
// goes on reporting.
TEST_F(EventListViewTest, ACallbackThatThrowsShowsOneBoxAndTheListGoesOn) {
  view = std::make_unique<EventListView>(prompts, parent.Handle(), kColumns, &KindIcons,
                                         EventListView::Callbacks{{}, [this](std::size_t row) {
                                                                    selections.push_back(row);
                                                                    throw std::out_of_range("row");
                                                                  }});
  view->Mirror(RowsOf({{"10:00:00", "Alert", "No", true, RowIcon::Kind(KindIcon::Alert)},
                       {"11:00:00", "Alert", "No", false, RowIcon::Kind(KindIcon::Alert)}}));
  ListView_SetItemState(List(), 0, LVIS_SELECTED, LVIS_SELECTED);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "row.");
  ListView_SetItemState(List(), 1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(selections, (std::vector<std::size_t>{0, 1}));
}

}  // namespace
}  // namespace zorvat::ui
