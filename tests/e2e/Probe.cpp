// Reads and touches a running program's windows on a Wine desktop, for the end-to-end tests and
// the screenshot script:
//   zorvat-probe DESKTOP windows                  visible top-level windows: process, class, title
//   zorvat-probe DESKTOP rows TITLE               the shown list view's rows: check state, columns
//   zorvat-probe DESKTOP center TITLE CLASS TEXT  screen centre of a child control
//   zorvat-probe DESKTOP rect TITLE CLASS TEXT    its screen rectangle: left top right bottom
//   zorvat-probe DESKTOP tree-item TITLE TEXT     screen centre of a shown tree item
//   zorvat-probe DESKTOP texts TITLE              the texts of a window's controls, one a line
//   zorvat-probe DESKTOP checked TITLE TEXT       1 or 0: a check box's state
//   zorvat-probe DESKTOP click TITLE TEXT         clicks a button, as a user would
//   zorvat-probe DESKTOP tray                     1 when the tray holds the program's icon
//   zorvat-probe DESKTOP taskbar                  the taskbar's buttons
//   zorvat-probe DESKTOP count TITLE              the window's process: its top-level windows
//                                                 (shown or not) by class, and their children
// TITLE is the start of a visible top-level window's title. Exits 1 when something is not found.
// The list and tree are another process's: their item texts are read through a buffer allocated
// in that process.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

void Print(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  std::fputs(bytes.c_str(), stdout);
  std::fputs("\n", stdout);
}

std::vector<HWND> TopLevels() {
  std::vector<HWND> found;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindTopLevel(const std::wstring& title) {
  for (HWND window : TopLevels()) {
    if (IsWindowVisible(window) && WindowText(window).starts_with(title)) {
      return window;
    }
  }
  return nullptr;
}

HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text) {
  for (HWND child : Descendants(parent)) {
    if (IsWindowVisible(child) && lstrcmpiW(ClassOf(child).c_str(), className.c_str()) == 0 &&
        (text == L"*" || WindowText(child) == text)) {
      return child;
    }
  }
  return nullptr;
}

// Memory in the process that owns a window, freed with it.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) {
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
  }
  ~RemoteBuffer() {
    if (address_) {
      VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    if (process_) {
      CloseHandle(process_);
    }
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Valid() const { return address_ != nullptr; }
  char* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
  void Write(size_t offset, const void* data, size_t size) const {
    WriteProcessMemory(process_, At(offset), data, size, nullptr);
  }
  void Read(size_t offset, void* data, size_t size) const {
    ReadProcessMemory(process_, At(offset), data, size, nullptr);
  }
  std::wstring ReadText(size_t offset, size_t chars) const {
    std::wstring text(chars, L'\0');
    Read(offset, text.data(), chars * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), chars));
    return text;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

constexpr size_t kTextChars = 512;
constexpr size_t kTextOffset = 256;  // after the item record

int Rows(HWND window) {
  HWND list = FindChild(window, WC_LISTVIEWW, L"*");
  if (!list) {
    return 1;
  }
  RemoteBuffer buffer(list, kTextOffset + kTextChars * sizeof(wchar_t));
  if (!buffer.Valid()) {
    return 1;
  }
  const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    const auto state = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                    LVIS_STATEIMAGEMASK | LVIS_SELECTED);
    std::wstring line = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? L"[x]" : L"[ ]";
    if (state & LVIS_SELECTED) {
      line += L"*";
    }
    for (int column = 0; column < columns; ++column) {
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = reinterpret_cast<wchar_t*>(buffer.At(kTextOffset));
      item.cchTextMax = static_cast<int>(kTextChars);
      buffer.Write(0, &item, sizeof(item));
      SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(buffer.At(0)));
      line += L"\t" + buffer.ReadText(kTextOffset, kTextChars);
    }
    Print(line);
  }
  return 0;
}

void PrintCentre(HWND window, RECT rect) {
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// NOLINTNEXTLINE(misc-no-recursion): as deep as the tree
HTREEITEM FindTreeItem(HWND tree, const RemoteBuffer& buffer, HTREEITEM item,
                       const std::wstring& text) {
  for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                               reinterpret_cast<LPARAM>(item)))) {
    TVITEMW record{};
    record.mask = TVIF_TEXT;
    record.hItem = item;
    record.pszText = reinterpret_cast<wchar_t*>(buffer.At(kTextOffset));
    record.cchTextMax = static_cast<int>(kTextChars);
    buffer.Write(0, &record, sizeof(record));
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.At(0)));
    if (buffer.ReadText(kTextOffset, kTextChars) == text) {
      return item;
    }
    const auto child = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
    if (HTREEITEM found = FindTreeItem(tree, buffer, child, text)) {
      return found;
    }
  }
  return nullptr;
}

int TreeItem(HWND window, const std::wstring& text) {
  HWND tree = FindChild(window, WC_TREEVIEWW, L"*");
  if (!tree) {
    return 1;
  }
  RemoteBuffer buffer(tree, kTextOffset + kTextChars * sizeof(wchar_t));
  const auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  HTREEITEM item = buffer.Valid() ? FindTreeItem(tree, buffer, root, text) : nullptr;
  if (!item) {
    return 1;
  }
  // TVM_GETITEMRECT takes the item in the rectangle it fills.
  RECT rect{};
  buffer.Write(0, &rect, sizeof(rect));
  buffer.Write(0, &item, sizeof(item));  // NOLINT(bugprone-sizeof-expression): the handle itself
  if (!SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(buffer.At(0)))) {
    return 1;  // not shown: a parent is collapsed
  }
  buffer.Read(0, &rect, sizeof(rect));
  PrintCentre(tree, rect);
  return 0;
}

int TrayHoldsIcon() {
  HWND icon = FindWindowW(L"ZorvatTrayIcon", nullptr);
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = icon;
  // A modify that changes nothing fails when the tray does not know the icon.
  return icon && Shell_NotifyIconW(NIM_MODIFY, &record) ? 0 : 1;
}

// Every top-level window of the process, hidden ones too, and how many children they hold.
int CountWindows(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  std::wstring classes;
  int topLevels = 0;
  std::size_t children = 0;
  for (HWND top : TopLevels()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(top, &owner);
    if (owner == process) {
      ++topLevels;
      children += Descendants(top).size();
      classes += L" " + ClassOf(top);
    }
  }
  Print(L"top-level " + std::to_wstring(topLevels) + L" child " + std::to_wstring(children) +
        L" :" + classes);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    return 2;
  }
  // On the program's desktop, so that its windows count as visible (Wine tells so only there).
  HDESK desktop = OpenDesktopW(argv[1], 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
  if (desktop == nullptr || !SetThreadDesktop(desktop)) {
    return 1;
  }
  const std::wstring command = argv[2];
  const std::vector<std::wstring> args(argv + 3, argv + argc);
  if (command == L"windows") {
    for (HWND window : TopLevels()) {
      if (IsWindowVisible(window)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        Print(std::to_wstring(pid) + L"\t" + ClassOf(window) + L"\t" + WindowText(window));
      }
    }
    return 0;
  }
  if (command == L"tray") {
    return TrayHoldsIcon();
  }
  if (command == L"taskbar") {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar) {
      return 1;
    }
    for (HWND child : Descendants(taskbar)) {
      if (IsWindowVisible(child)) {
        Print(ClassOf(child) + L"\t" + WindowText(child));
      }
    }
    return 0;
  }
  if (args.empty()) {
    return 2;
  }
  HWND window = FindTopLevel(args[0]);
  if (!window) {
    return 1;
  }
  if (command == L"count") {
    return CountWindows(window);
  }
  if (command == L"rows") {
    return Rows(window);
  }
  if (command == L"texts") {
    for (HWND child : Descendants(window)) {
      if (IsWindowVisible(child) && GetWindowTextLengthW(child) > 0) {
        Print(WindowText(child));
      }
    }
    return 0;
  }
  if (command == L"tree-item" && args.size() == 2) {
    return TreeItem(window, args[1]);
  }
  if ((command == L"center" || command == L"rect") && args.size() == 3) {
    HWND child = args[1] == L"-" ? window : FindChild(window, args[1], args[2]);
    if (!child) {
      return 1;
    }
    RECT rect{};
    GetClientRect(child, &rect);
    if (command == L"rect") {
      MapWindowPoints(child, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
      std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    } else {
      PrintCentre(child, rect);
    }
    return 0;
  }
  if ((command == L"checked" || command == L"click") && args.size() == 2) {
    HWND button = FindChild(window, L"Button", args[1]);
    if (!button) {
      return 1;
    }
    if (command == L"click") {
      // Posted: a button that opens a modal dialog answers only when the dialog closes.
      PostMessageW(button, BM_CLICK, 0, 0);
    } else {
      std::printf("%d\n", SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    }
    return 0;
  }
  return 2;
}
