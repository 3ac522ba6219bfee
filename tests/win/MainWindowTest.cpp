#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "events/ListDocument.h"
#include "events/ScriptedFileDialogs.h"
#include "scheduler/ExecuteStack.h"
#include "scheduler/HotStack.h"
#include "settings/LiveSettings.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "ui/ApplicationWindow.h"
#include "ui/ClipPlayer.h"
#include "ui/KeyboardRoute.h"
#include "ui/MainWindow.h"
#include "ui/TrayIcon.h"
#include "ui/WaitingTasksWindow.h"
#include "ui/WindowIds.h"
#include "ui/WindowText.h"
#include "win/WinTestSupport.h"

namespace zorvat::ui {
namespace {

// One single event of every command, one event in each other list.
constexpr char kList[] =
    "[BaseInfo]\r\nProgID=Brumsel! Zorvat v1.1\r\n[General]\r\n"
    "12/24/2026 6:30:00 PM=0|Hi & bye||0|1\r\n"
    "12/24/2026 6:30:01 PM=1|C:\\a.wav||0|1\r\n"
    "12/24/2026 6:30:02 PM=2|C:\\windows\\notepad.exe|/x|1|1\r\n"
    "12/24/2026 6:30:03 PM=3|C:\\a.txt|C:\\b.txt|1|0\r\n"
    "12/24/2026 6:30:04 PM=4|C:\\a.txt|C:\\c.txt|0|1\r\n"
    "12/24/2026 6:30:05 PM=5|C:\\a.txt||0|1\r\n"
    "12/24/2026 6:30:06 PM=6|||1|1\r\n"
    "12/24/2026 6:30:07 PM=7|||0|1\r\n"
    "12/24/2026 6:30:08 PM=8|||0|1\r\n"
    "12/24/2026 6:30:09 PM=9|||0|1\r\n"
    "12/24/2026 6:30:10 PM=10|||0|1\r\n"
    "12/24/2026 6:30:11 PM=11|800|16|0|1\r\n"
    "12/24/2026 6:30:12 PM=12|||0|1\r\n"
    "[Daily]\r\n7:15:00 AM=1|C:\\wake.wav||0|1\r\n"
    "[Weekly]\r\n5:00:00 PM=0|Backup||1|1\r\n"
    "[Monthly]\r\n9:00:00 AM=0|Rent||1|0\r\n";

HWND FindControl(HWND root, int id) {
  struct Search {
    int id;
    HWND found = nullptr;
  } search{id};
  EnumChildWindows(
      root,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) == s->id) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string ItemText(HWND list, int row, int column) {
  wchar_t text[512] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 512;
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return Narrow(text);
}

int ItemImage(HWND list, int row) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

// A mouse click on the row's check box, where the list view's own hit test finds it.
void ClickCheckBox(HWND list, int row) {
  RECT bounds{};
  ListView_GetItemRect(list, row, &bounds, LVIR_BOUNDS);
  for (int x = bounds.left; x < bounds.left + 40; ++x) {
    LVHITTESTINFO hit{};
    hit.pt = POINT{x, (bounds.top + bounds.bottom) / 2};
    if (ListView_HitTest(list, &hit) == row && (hit.flags & LVHT_ONITEMSTATEICON)) {
      SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
      SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
      return;
    }
  }
  ADD_FAILURE() << "no check box in row " << row;
}

int Width(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds.right - bounds.left;
}

int LeftIn(HWND window, HWND parent) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds.left;
}

// Whether `upper` lies over `lower` among the top-level windows.
bool Above(HWND upper, HWND lower) {
  for (HWND below = GetWindow(upper, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
    if (below == lower) {
      return true;
    }
  }
  return false;
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    zorvat::testing::WriteBytes(temp.File("list.zrl"), kList);
    document.ReadFile(temp.File("list.zrl"));
    UpdateWeekDayName(live);
    MainWindowSetup setup{document, live, clock, formats};
    setup.switchScheduler = [this](bool on) { switches.push_back(on); };
    setup.editProperties = [this](HWND, EventKind kind, bool newEvent,
                                  const EventProperties& in) -> std::optional<EventProperties> {
      opened.push_back({kind, newEvent, in.command});
      return whileOpen ? whileOpen(in) : std::nullopt;
    };
    setup.programFolder = temp.Path() + "\\";
    window = std::make_unique<MainWindow>(application, gate, prompts, setup);
    EXPECT_TRUE(zorvat::testing::WaitFor([this] { return MenuPicturesAttached(*window); }, 5000));
    // A list is made when it is first shown; the tests read all four.
    for (const int button : {IDC_SHOW_DAILY, IDC_SHOW_WEEKLY, IDC_SHOW_MONTHLY, IDC_SHOW_GENERAL}) {
      SendMessageW(Control(button), BM_CLICK, 0, 0);
    }
  }

  // The menus' pictures come after the first paint.
  static bool MenuPicturesAttached(const MainWindow& shown) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_BITMAP;
    return GetMenuItemInfoW(GetMenu(shown.Handle()), IDC_OPEN_LIST, FALSE, &item) &&
           item.hbmpItem == HBMMENU_CALLBACK;
  }

  HWND Control(int id) const { return FindControl(window->Handle(), id); }
  void Command(int id) { SendMessageW(window->Handle(), WM_COMMAND, id, 0); }

  zorvat::testing::TempFolder temp;
  zorvat::testing::ScriptedPrompts prompts;
  zorvat::testing::ScriptedFileDialogs dialogs;
  ManualClock clock{EncodeDateTime({2026, 12, 7}, {9, 5, 3, 0})};
  LiveSettings live;
  RegionalFormats formats = RegionalFormats::EnUs();
  ListDocument document{prompts, dialogs, clock, RegionalFormats::EnUs(), temp.Path()};
  ApplicationWindow application{prompts};
  ModalGate gate;
  std::vector<bool> switches;
  struct Opened {
    EventKind kind;
    bool newEvent;
    int command;
    friend bool operator==(const Opened&, const Opened&) = default;
  };
  std::vector<Opened> opened;  // properties dialogs
  // Runs while the properties dialog is "open"; what it gives back is confirmed.
  std::function<std::optional<EventProperties>(const EventProperties&)> whileOpen;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, RadioButtonsBringTheirListToTheFrontUnderItsHeading) {
  struct Case {
    int button;
    int list;
    const char* heading;
  };
  const Case cases[] = {
      {IDC_SHOW_WEEKLY, IDC_WEEKLY_LIST, "Events: Fridays"},
      {IDC_SHOW_MONTHLY, IDC_MONTHLY_LIST, "Events: every 1. of the month"},
      {IDC_SHOW_DAILY, IDC_DAILY_LIST, "daily events"},
      {IDC_SHOW_GENERAL, IDC_GENERAL_LIST, "Events"},
  };
  EXPECT_EQ(GetText(Control(IDC_LIST_HEADING)), "Events");
  EXPECT_TRUE(IsWindowVisible(Control(IDC_GENERAL_LIST)) || !IsWindowVisible(window->Handle()));
  for (const Case& c : cases) {
    SendMessageW(Control(c.button), BM_CLICK, 0, 0);
    EXPECT_EQ(GetText(Control(IDC_LIST_HEADING)), c.heading);
    EXPECT_EQ(GetText(Control(IDC_STRIP_HEADING)), c.heading);
    for (const int list : {IDC_GENERAL_LIST, IDC_DAILY_LIST, IDC_WEEKLY_LIST, IDC_MONTHLY_LIST}) {
      EXPECT_EQ((GetWindowLongW(Control(list), GWL_STYLE) & WS_VISIBLE) != 0, list == c.list)
          << c.heading;
    }
    for (const int button : {IDC_SHOW_GENERAL, IDC_SHOW_DAILY, IDC_SHOW_WEEKLY, IDC_SHOW_MONTHLY}) {
      EXPECT_EQ(SendMessageW(Control(button), BM_GETCHECK, 0, 0) == BST_CHECKED,
                button == c.button);
    }
  }
}

TEST_F(MainWindowTest, ViewsShowTheDocumentsRowsWithIcons) {
  const HWND list = Control(IDC_GENERAL_LIST);
  const EventRows& rows = document.Rows(EventKind::General);
  ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 13);
  for (int i = 0; i < 13; ++i) {
    const EventRow& row = rows[static_cast<std::size_t>(i)];
    EXPECT_EQ(ItemText(list, i, 0), row.caption);
    EXPECT_EQ(ItemText(list, i, 1), row.eventText);
    EXPECT_EQ(ItemText(list, i, 2), row.queryText);
    EXPECT_EQ(ListView_GetCheckState(list, i) != 0, row.checked);
  }
  EXPECT_EQ(ItemText(list, 3, 1), "Copy file, from \"C:\\a.txt\" to \"C:\\b.txt\"");
  EXPECT_EQ(ItemImage(list, 0), 9);
  EXPECT_EQ(ItemImage(list, 1), 12);
  EXPECT_EQ(ItemImage(list, 8), 8);
  // An existing file's icon comes after the 13 kind icons.
  EXPECT_GE(ItemImage(list, 2), 13);
  EXPECT_EQ(SendMessageW(Control(IDC_DAILY_LIST), LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(ItemText(Control(IDC_MONTHLY_LIST), 0, 0), "9:00:00 AM");
}

TEST_F(MainWindowTest, EventColumnTakesWhatTheOtherTwoLeaveAtEverySize) {
  for (const SIZE size : {SIZE{648, 526}, SIZE{900, 600}, SIZE{500, 400}}) {
    SetWindowPos(window->Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    for (const int id : {IDC_GENERAL_LIST, IDC_WEEKLY_LIST}) {
      const HWND list = Control(id);
      RECT client{};
      GetClientRect(list, &client);
      EXPECT_EQ(ListView_GetColumnWidth(list, 0), 150);
      EXPECT_EQ(ListView_GetColumnWidth(list, 2), 80);
      EXPECT_EQ(ListView_GetColumnWidth(list, 1), std::max(Width(list) - 150 - 80, 0)) << size.cx;
    }
  }
}

// Unchecking a row makes its event inactive at once.
TEST_F(MainWindowTest, CheckBoxesGoToTheRecordsAndTheSelectionIsDescribed) {
  const HWND list = Control(IDC_GENERAL_LIST);
  ClickCheckBox(list, 4);
  EXPECT_FALSE(document.Lists()[EventKind::General][4].active);
  ClickCheckBox(list, 3);
  EXPECT_TRUE(document.Lists()[EventKind::General][3].active);

  ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(GetText(Control(IDC_SELECTION_TEXT)),
            "Date: 12/24/2026 6:30:00 PM, Type && Content: Message: \"Hi && bye\"");
  SendMessageW(Control(IDC_SHOW_MONTHLY), BM_CLICK, 0, 0);
  ListView_SetItemState(Control(IDC_MONTHLY_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(GetText(Control(IDC_SELECTION_TEXT)),
            "Date: 9:00:00 AM, Type && Contents: Message: \"Rent\"");
  // The text stays when the selection goes.
  ListView_SetItemState(Control(IDC_MONTHLY_LIST), 0, 0, LVIS_SELECTED);
  EXPECT_EQ(GetText(Control(IDC_SELECTION_TEXT)),
            "Date: 9:00:00 AM, Type && Contents: Message: \"Rent\"");
}

// A list opened afresh has no row selected: none was picked in it, and Delete or the properties
// would act on a row the user never chose.
TEST_F(MainWindowTest, AListOpenedAfreshHasNoRowSelected) {
  const HWND list = Control(IDC_GENERAL_LIST);
  ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  dialogs.Choose(temp.File("list.zrl"));
  Command(IDC_OPEN_LIST);
  ASSERT_GT(ListView_GetItemCount(list), 1);
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), -1);
}

// The tree item whose absolute index is `index`, at any depth.
// NOLINTNEXTLINE(misc-no-recursion): as deep as the tree
HTREEITEM TreeItem(HWND tree, HTREEITEM item, int index) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(tree, &data);
    if (data.lParam == index) {
      return item;
    }
    if (HTREEITEM found = TreeView_GetChild(tree, item); found) {
      if ((found = TreeItem(tree, found, index))) {
        return found;
      }
    }
  }
  return nullptr;
}

TEST_F(MainWindowTest, EditingCommandsWorkOnTheShownListAndItsSelectedRow) {
  SendMessageW(Control(IDC_SHOW_WEEKLY), BM_CLICK, 0, 0);
  Command(IDC_PROPERTIES);  // no row selected: nothing
  ListView_SetItemState(Control(IDC_WEEKLY_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
  ListView_SetItemState(Control(IDC_GENERAL_LIST), 3, LVIS_SELECTED, LVIS_SELECTED);
  prompts.Answer(PromptAnswer::Yes);
  Command(IDC_DELETE);
  Command(IDC_PROPERTIES);
  const HWND tree = Control(IDC_NEW_EVENT_TREE);
  TreeView_SelectItem(tree, TreeItem(tree, TreeView_GetRoot(tree), 14));
  NMHDR click{tree, IDC_NEW_EVENT_TREE, static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(GetParent(tree), WM_NOTIFY, IDC_NEW_EVENT_TREE, reinterpret_cast<LPARAM>(&click));

  EXPECT_TRUE(document.Lists()[EventKind::Weekly][0].deleted);
  EXPECT_FALSE(document.Lists()[EventKind::General][3].deleted);
  EXPECT_EQ(ItemText(Control(IDC_WEEKLY_LIST), 0, 1), "[removed]");
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text,
            "Remove Zorvat\n\nReally delete event \"Message: \"Backup\"\" (Uhrzeit: 5:00:00 PM) ?");
  EXPECT_EQ(opened, (std::vector<Opened>{{EventKind::Weekly, false, kCmdMessage},
                                         {EventKind::Weekly, true, kCmdDisplayMode}}));
}

// A fault of the library inside a command (a dialog's handler, here the properties') ends the
// command with one box carrying the library's text, and the window goes on.
TEST_F(MainWindowTest, ALibraryFaultInACommandShowsOneBoxWithItsText) {
  ListView_SetItemState(Control(IDC_GENERAL_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
  whileOpen = [](const EventProperties&) -> std::optional<EventProperties> {
    throw std::length_error("vector::reserve");
  };
  Command(IDC_PROPERTIES);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "vector::reserve.");
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
  EXPECT_TRUE(IsWindow(window->Handle()));
}

// An open dialog keeps its document and its window: another start's list waits until it
// closes, the tray's document commands and exit and the close box do nothing meanwhile.
TEST_F(MainWindowTest, WhileADialogIsOpenTheDocumentStaysAndTheWindowLives) {
  const std::string other = temp.File("other.zrl");
  zorvat::testing::WriteBytes(other,
                              "[BaseInfo]\r\nProgID=Brumsel! Zorvat v1.1\r\n[General]\r\n"
                              "12/24/2026 6:30:00 PM=0|Other||0|1\r\n");
  ListView_SetItemState(Control(IDC_GENERAL_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
  whileOpen = [&](const EventProperties& in) -> std::optional<EventProperties> {
    window->OnAnotherStart(other);
    for (const int id : {IDC_NEW_LIST, IDC_RECENT_1, IDC_EXIT}) {
      Command(id);  // a question here would be unscripted
    }
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window->Handle()));
    EventProperties out = in;
    out.operands.operand1 = "Edited";
    return out;
  };
  Command(IDC_PROPERTIES);
  EXPECT_EQ(document.Lists()[EventKind::General][0].task.operand1, "Edited");
  EXPECT_TRUE(prompts.shown.empty());

  prompts.Answer(PromptAnswer::Yes);  // discard the edit for the handed-over list
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageW(&message);
  }
  ASSERT_EQ(document.Lists()[EventKind::General].Count(), 1u);
  EXPECT_EQ(document.Lists()[EventKind::General][0].task.operand1, "Other");
  EXPECT_EQ(ItemText(Control(IDC_GENERAL_LIST), 0, 1), "Message: \"Other\"");
}

// The tree's double click reaches the window through its panel and the tree's own object: an
// error of the new-event path still ends in one error box.
TEST_F(MainWindowTest, AnErrorOfTheTreesNewEventGoesToTheErrorBox) {
  whileOpen = [](const EventProperties& in) -> std::optional<EventProperties> {
    EventProperties out = in;
    out.operands.operand1 = "a|b";  // no list file can store it
    return out;
  };
  const HWND tree = Control(IDC_NEW_EVENT_TREE);
  TreeView_SelectItem(tree, TreeItem(tree, TreeView_GetRoot(tree), 14));
  NMHDR click{tree, IDC_NEW_EVENT_TREE, static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(GetParent(tree), WM_NOTIFY, IDC_NEW_EVENT_TREE, reinterpret_cast<LPARAM>(&click));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
  EXPECT_EQ(opened.size(), 1u);
}

// The window class is registered once per process, with the icon of the first window made.
TEST_F(MainWindowTest, TheClassIconOutlivesTheWindows) {
  window.reset();
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"ZorvatMainWindow", &windowClass));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(windowClass.hIcon, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

TEST_F(MainWindowTest, SplitterAndHideButtonSizeTheLeftColumn) {
  const HWND splitter = Control(IDC_SPLITTER);
  const HWND tree = Control(IDC_NEW_EVENT_TREE);
  const HWND hide = Control(IDC_HIDE_NEW_EVENTS);
  EXPECT_EQ(window->LeftColumnWidth(), 185);
  EXPECT_EQ(Width(tree), 185 - 24);
  SendMessageW(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
  SendMessageW(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(41, 10));
  // The bar has moved under the mouse.
  SendMessageW(splitter, WM_LBUTTONUP, 0, MAKELPARAM(1, 10));
  EXPECT_EQ(window->LeftColumnWidth(), 225);
  EXPECT_EQ(Width(tree), 225 - 24);
  EXPECT_EQ(LeftIn(hide, GetParent(hide)), 225 - 16 - 2);
  EXPECT_EQ(LeftIn(splitter, window->Handle()), 225);

  SendMessageW(hide, BM_CLICK, 0, 0);
  EXPECT_EQ(window->LeftColumnWidth(), 1);
  EXPECT_EQ(LeftIn(splitter, window->Handle()), 1);
  EXPECT_EQ(Width(tree), 0);
}

// A stored width the window cannot give is clamped to it, as the splitter clamps a drag: the
// column's controls and the lists stay on the window, and the close writes back what is used.
TEST_F(MainWindowTest, AStoredColumnWidthIsClampedToTheWindow) {
  window.reset();
  for (const int stored : {-400, 0, 1, 2147483647, 5000}) {
    MainWindowSetup setup{document, live, clock, formats};
    setup.programFolder = temp.Path() + "\\";
    setup.leftColumnWidth = stored;
    const MainWindow clamped(application, gate, prompts, setup);
    RECT client{};
    GetClientRect(clamped.Handle(), &client);
    const int widest = client.right - 3 - 240;
    // Hidden stays hidden; a width the program never writes shows the column as usual.
    const int shown = stored == 1 ? 1 : stored < 1 ? 185 : widest;
    EXPECT_EQ(clamped.LeftColumnWidth(), shown) << stored;
    const HWND splitter = FindControl(clamped.Handle(), IDC_SPLITTER);
    EXPECT_EQ(LeftIn(splitter, clamped.Handle()), shown) << stored;
    EXPECT_GE(Width(FindControl(clamped.Handle(), IDC_GENERAL_LIST)), 50) << stored;
  }
}

// The hand shows over what acts on one click, in whichever part it lies, and nowhere else.
TEST_F(MainWindowTest, TheHandCursorShowsOverTheOneClickControls) {
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  for (const int id : {IDC_TOOLBAR, IDC_ACTIVE_CHECK, IDC_HIDE_NEW_EVENTS, IDC_SHOW_GENERAL,
                       IDC_SHOW_MONTHLY, IDC_NEW_EVENT_TREE, IDC_STATUS_BAR, IDC_COMMAND_LINE}) {
    SetCursor(nullptr);
    const HWND control = Control(id);
    SendMessageW(window->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const bool oneClick =
        id != IDC_NEW_EVENT_TREE && id != IDC_STATUS_BAR && id != IDC_COMMAND_LINE;
    EXPECT_EQ(GetCursor() == hand, oneClick) << id;
  }
}

// What waits for the first paint (the lists not in front, the menus' pictures) comes with what
// changed meanwhile, and looks as it would have at the start.
TEST_F(MainWindowTest, AListMadeWhenFirstShownShowsTheDocumentAsItIsThen) {
  window.reset();
  MainWindowSetup setup{document, live, clock, formats};
  setup.programFolder = temp.Path() + "\\";
  MainWindow late(application, gate, prompts, setup);
  const HWND general = FindControl(late.Handle(), IDC_GENERAL_LIST);
  ASSERT_NE(general, nullptr);
  ASSERT_TRUE(zorvat::testing::WaitFor([&] { return MenuPicturesAttached(late); }, 5000));
  // A list nobody looked at is not there yet.
  ASSERT_EQ(FindControl(late.Handle(), IDC_DAILY_LIST), nullptr);
  document.DeleteEvent(EventKind::Daily, 0);
  late.ShowDocument();
  SendMessageW(FindControl(late.Handle(), IDC_SHOW_DAILY), BM_CLICK, 0, 0);
  const HWND daily = FindControl(late.Handle(), IDC_DAILY_LIST);
  ASSERT_NE(daily, nullptr);
  EXPECT_EQ(ItemText(daily, 0, 1), "[removed]");
  EXPECT_EQ(Width(daily), Width(general));
  EXPECT_EQ(SendMessageW(daily, WM_GETFONT, 0, 0), SendMessageW(general, WM_GETFONT, 0, 0));
  EXPECT_NE(GetWindowLongW(daily, GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_EQ(GetWindowLongW(general, GWL_STYLE) & WS_VISIBLE, 0);
}

// At 150 % every length of the layout grows with the monitor, the column's stored width included.
TEST_F(MainWindowTest, AnotherMonitorScaleLaysTheWindowOutAgain) {
  const int caption = ListView_GetColumnWidth(Control(IDC_DAILY_LIST), 0);
  const int query = ListView_GetColumnWidth(Control(IDC_DAILY_LIST), 2);
  RECT suggested{0, 0, 972, 789};
  SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(LeftIn(Control(IDC_SPLITTER), window->Handle()), 278);
  EXPECT_EQ(Width(Control(IDC_SPLITTER)), 5);
  EXPECT_EQ(Width(Control(IDC_NEW_EVENT_TREE)), 278 - 36);
  EXPECT_EQ(window->LeftColumnWidth(), 185);
  EXPECT_EQ(ListView_GetColumnWidth(Control(IDC_DAILY_LIST), 0), caption * 3 / 2);
  EXPECT_EQ(ListView_GetColumnWidth(Control(IDC_DAILY_LIST), 2), query * 3 / 2);
  int iconSize = 0;
  ImageList_GetIconSize(TreeView_GetImageList(Control(IDC_NEW_EVENT_TREE), TVSIL_NORMAL), &iconSize,
                        &iconSize);
  EXPECT_EQ(iconSize, 24);
}

TEST_F(MainWindowTest, CheckBoxAndTrayItemSwitchTheSchedulerTogether) {
  const HWND check = Control(IDC_ACTIVE_CHECK);
  const auto itemChecked = [&] {
    return (GetMenuState(window->TrayMenu(), IDC_ACTIVE_ITEM, MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  EXPECT_EQ(switches, std::vector<bool>{true});
  EXPECT_EQ(window->Tray().Hint(), "Brumsel! Zorvat (active)");

  SendMessageW(check, BM_CLICK, 0, 0);
  EXPECT_EQ(switches, (std::vector<bool>{true, false}));
  EXPECT_FALSE(itemChecked());
  EXPECT_EQ(window->Tray().Hint(), "Brumsel! Zorvat (inactive)");

  Command(IDC_ACTIVE_ITEM);
  EXPECT_EQ(switches, (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(itemChecked());
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(window->Tray().Hint(), "Brumsel! Zorvat (active)");

  Command(IDC_ACTIVE_ITEM);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(window->Tray().Hint(), "Brumsel! Zorvat (inactive)");
}

// The system's clip (no file in the program folder) plays while the scheduler is active and the
// window is in sight, and only then; a showing starts it and the clock, also the maximized one
// of a start with "Max", which says no WM_SHOWWINDOW.
TEST_F(MainWindowTest, TheAnimationPlaysWhileActiveAndInSight) {
  const auto* animation = dynamic_cast<const ClipPlayer*>(Window::Of(Control(IDC_ANIMATION)));
  ASSERT_NE(animation, nullptr);
  EXPECT_NE(animation->Clip(), nullptr);
  EXPECT_FALSE(animation->Playing());
  ShowWindow(window->Handle(), SW_SHOW);
  EXPECT_TRUE(animation->Playing());
  EXPECT_TRUE(KillTimer(window->Handle(), MainWindow::kClockTimer));  // the clock was ticking
  ShowWindow(window->Handle(), SW_HIDE);
  EXPECT_FALSE(animation->Playing());
  ShowWindow(window->Handle(), SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(window->Handle()));
  EXPECT_TRUE(KillTimer(window->Handle(), MainWindow::kClockTimer));
  EXPECT_TRUE(animation->Playing());
  SendMessageW(Control(IDC_ACTIVE_CHECK), BM_CLICK, 0, 0);
  EXPECT_FALSE(animation->Playing());
  Command(IDC_ACTIVE_ITEM);
  EXPECT_TRUE(animation->Playing());
  SendMessageW(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(animation->Playing());
  Command(IDC_OPEN_FROM_TRAY);
  EXPECT_TRUE(animation->Playing());
  EXPECT_TRUE(KillTimer(window->Handle(), MainWindow::kClockTimer));
}

TEST_F(MainWindowTest, ClockTickShowsTodayAndKeepsTheApplicationWindowHidden) {
  clock.Set(EncodeDateTime({2027, 1, 3}, {23, 59, 58, 0}));
  ShowWindow(application.Handle(), SW_SHOWNA);
  SendMessageW(window->Handle(), WM_TIMER, MainWindow::kClockTimer, 0);
  EXPECT_EQ(GetText(Control(IDC_TIME_LABEL)), "11:59:58 PM");
  EXPECT_EQ(GetText(Control(IDC_DAY_LABEL)), "Sunday, 1/3/2027");
  wchar_t status[64] = {};
  SendMessageW(Control(IDC_STATUS_BAR), SB_GETTEXTW, 4, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(Narrow(status), "1/3/2027 11:59:58 PM");
  EXPECT_FALSE(IsWindowVisible(application.Handle()));
}

// A 12-hour time keeps its AM/PM: the label shows the whole long time in one line.
TEST_F(MainWindowTest, TheClockShowsTheWholeLongTimeInOneLine) {
  clock.Set(EncodeDateTime({2027, 1, 3}, {22, 58, 58, 0}));
  SendMessageW(window->Handle(), WM_TIMER, MainWindow::kClockTimer, 0);
  const HWND label = Control(IDC_TIME_LABEL);
  const std::wstring text = Widen(GetText(label));
  EXPECT_EQ(text, L"10:58:58 PM");
  EXPECT_EQ(GetWindowLongPtrW(label, GWL_STYLE) & SS_TYPEMASK, SS_LEFTNOWORDWRAP);
  const HDC dc = GetDC(label);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  RECT box{};
  GetClientRect(label, &box);
  EXPECT_LE(size.cx, box.right);
  EXPECT_GT(size.cx, box.right * 3 / 4);  // the font shrinks no more than it must
}

// Whatever brings the window forward while a box of it is open brings the box instead: the
// tray's "Open Zorvat" (also with the window in the tray), its menu closed without a choice, and
// a later start. Before it, the window was in front: as the tray's menu puts it, or a click.
// A window in front of its own disabled box holds the keys and clicks only the box can take.
TEST_F(MainWindowTest, WhileABoxIsOpenTheBoxComesToTheFrontNeverTheWindow) {
  const HWND main = window->Handle();
  ShowWindow(main, SW_SHOW);
  const struct {
    const char* name;
    std::function<void()> bringForward;
  } routes[] = {
      {"Open Zorvat", [&] { Command(IDC_OPEN_FROM_TRAY); }},
      {"Open Zorvat from the tray",
       [&] {
         SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
         Command(IDC_OPEN_FROM_TRAY);
         EXPECT_TRUE(IsWindowVisible(main));
       }},
      {"the tray's menu",
       [&] {
         const UINT_PTR timer =
             SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
         SendMessageW(window->Tray().Handle(), TrayIcon::kCallbackMessage, MAKEWPARAM(40, 40),
                      MAKELPARAM(WM_CONTEXTMENU, 0));
         KillTimer(nullptr, timer);
       }},
      {"another start", [&] { window->OnAnotherStart(""); }},
  };
  ListView_SetItemState(Control(IDC_GENERAL_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
  prompts.Answer(PromptAnswer::No);  // delete?
  prompts.onShow = [&](const auto&) {
    // A box as the system makes one: owned by the window, which it disables.
    const HWND box = CreateWindowExW(0, L"STATIC", L"box", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0,
                                     200, 80, main, nullptr, nullptr, nullptr);
    EnableWindow(main, FALSE);
    for (const auto& route : routes) {
      SetForegroundWindow(main);
      route.bringForward();
      EXPECT_EQ(GetForegroundWindow(), box) << route.name;
      EXPECT_TRUE(Above(box, main)) << route.name;
    }
    EnableWindow(main, TRUE);
    DestroyWindow(box);
  };
  Command(IDC_DELETE);
  EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(MainWindowTest, MinimizingHidesTheWindowAndTheTrayBringsItBack) {
  ShowWindow(window->Handle(), SW_SHOWNA);
  SendMessageW(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(IsWindowVisible(window->Handle()));
  Command(IDC_OPEN_FROM_TRAY);
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MainWindowTest, TheClockTicksOnlyWhileTheWindowIsShown) {
  const HWND handle = window->Handle();
  // KillTimer tells whether the timer ran; when it did, it runs on.
  const auto ticking = [&] {
    if (!KillTimer(handle, MainWindow::kClockTimer)) {
      return false;
    }
    SetTimer(handle, MainWindow::kClockTimer, MainWindow::kClockInterval, nullptr);
    return true;
  };
  EXPECT_FALSE(ticking());
  ShowWindow(handle, SW_SHOWNA);
  EXPECT_TRUE(ticking());
  SendMessageW(handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(ticking());
  Command(IDC_OPEN_FROM_TRAY);
  EXPECT_TRUE(ticking());
}

// Keys belong to the window they are typed in: Del there is no main-window shortcut, Tab moves
// through the waiting-tasks window and Esc closes it; Del in the main window's list still asks.
TEST_F(MainWindowTest, KeysTypedInTheWaitingTasksWindowActOnItAlone) {
  const HotStack hot;
  const ExecuteStack execute;
  const RegionalFormats formats = RegionalFormats::EnUs();
  WaitingTasksWindow tasks(application.Handle(), gate, prompts, hot, execute, formats);
  tasks.Open();
  ListView_SetItemState(Control(IDC_GENERAL_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
  const auto key = [this](HWND to, WPARAM key) {
    MSG message{to, WM_KEYDOWN, key, 1, 0, {}};
    if (!RouteKeys(message, window->Handle(), window->Accelerators())) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  };

  key(tasks.HotList(), VK_DELETE);
  EXPECT_TRUE(prompts.shown.empty());
  SetFocus(tasks.HotList());
  key(tasks.HotList(), VK_TAB);
  EXPECT_NE(GetFocus(), tasks.HotList());
  EXPECT_EQ(GetAncestor(GetFocus(), GA_ROOT), tasks.Handle());
  key(GetFocus(), VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(tasks.Handle()));

  prompts.Answer(PromptAnswer::No);
  key(Control(IDC_GENERAL_LIST), VK_DELETE);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_FALSE(document.Lists()[EventKind::General][0].deleted);
}

// Children go before their parent: taking the window down calls nothing on a handle that is
// already gone (under Wine each such call leaves an error code behind).
// A call on a window, menu or other handle already gone leaves one of these errors. Others come
// from the system's own work beside other test programs: access denied, now and then, in
// parallel runs that show a tray.
TEST_F(MainWindowTest, TeardownCallsNothingOnADestroyedHandle) {
  SetLastError(ERROR_SUCCESS);
  window.reset();
  const DWORD error = GetLastError();
  EXPECT_NE(error, static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_NE(error, static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
  EXPECT_NE(error, static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

}  // namespace
}  // namespace zorvat::ui
