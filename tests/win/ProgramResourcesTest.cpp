// Zorvat.exe as Windows and the shell read it: version, manifest settings, icons and pictures.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwctype>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "PictureIds.h"
#include "Version.h"
#include "base/TextEncoding.h"
#include "ui/IconImageList.h"

namespace {

// The program beside the tests in the build tree: build/win64/tests/win → build/win64/src/app.
std::wstring ProgramPath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::filesystem::path build = std::filesystem::path(self).parent_path() / L"../..";
  return (build / L"src/app/Zorvat.exe").lexically_normal().wstring();
}

class ProgramResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "cannot load " << std::filesystem::path(ProgramPath());
  }
  void TearDown() override { FreeLibrary(module_); }

  // The pixel widths an icon group holds (0 in a directory entry means 256).
  std::vector<int> IconSizes(int id) const {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));  // group
    if (found == nullptr) {
      return {};
    }
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    const WORD count = *reinterpret_cast<const WORD*>(bytes + 4);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
      const BYTE width = bytes[6 + 14 * i];  // GRPICONDIRENTRY is 14 bytes, width first
      sizes.push_back(width == 0 ? 256 : width);
    }
    return sizes;
  }

  // The icon groups' ids in resource order.
  std::vector<ULONG_PTR> GroupIds() const {
    std::vector<ULONG_PTR> ids;
    EnumResourceNamesW(
        module_, MAKEINTRESOURCEW(14),
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) -> BOOL {
          reinterpret_cast<std::vector<ULONG_PTR>*>(list)->push_back(
              reinterpret_cast<ULONG_PTR>(name));
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&ids));
    return ids;
  }

  HMODULE module_ = nullptr;
};

// The width an icon image's own header gives: a PNG's IHDR, else the BITMAPINFOHEADER.
int ImageWidth(const BYTE* data, DWORD size) {
  constexpr BYTE kPng[] = {0x89, 'P', 'N', 'G'};
  if (size >= 24 && std::memcmp(data, kPng, sizeof kPng) == 0) {
    return (data[16] << 24) | (data[17] << 16) | (data[18] << 8) | data[19];
  }
  LONG width = 0;
  if (size >= sizeof(BITMAPINFOHEADER)) {
    std::memcpy(&width, data + offsetof(BITMAPINFOHEADER, biWidth), sizeof width);
  }
  return static_cast<int>(width);
}

bool Holds(const std::vector<int>& sizes, int size) {
  return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

TEST_F(ProgramResources, EveryPictureIsThereAtItsDrawnSize) {
  struct Group {
    int first;
    int count;
    int size;
  };
  const Group groups[] = {{IDI_ZORVAT, 1, 16},
                          {IDI_ZORVAT, 1, 32},
                          {IDI_ZORVAT, 1, 48},
                          {IDI_ZORVAT, 1, 256},
                          {IDI_LIST_FILE, 1, 32},
                          {IDI_KIND_FIRST, IDI_KIND_COUNT, 16},
                          {IDI_TOOL_HOT_FIRST, IDI_TOOL_COUNT, 18},
                          {IDI_TOOL_COLD_FIRST, IDI_TOOL_COUNT, 18},
                          {IDI_STATUS_FIRST, IDI_STATUS_COUNT, 16}};
  for (const Group& group : groups) {
    for (int id = group.first; id < group.first + group.count; ++id) {
      EXPECT_TRUE(Holds(IconSizes(id), group.size)) << "icon " << id << " at " << group.size;
    }
  }
  struct Bitmap {
    int id;
    LONG width;
    LONG height;
  };
  for (const Bitmap& expected : {Bitmap{IDB_LOGO, 185, 97}, Bitmap{IDB_SIDE_CALENDAR, 93, 93},
                                 Bitmap{IDB_SIDE_CLOCK, 64, 64}}) {
    HANDLE image =
        LoadImageW(module_, MAKEINTRESOURCEW(expected.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(image, nullptr) << "bitmap " << expected.id;
    BITMAP bitmap{};
    GetObjectW(image, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, expected.width) << "bitmap " << expected.id;
    EXPECT_EQ(bitmap.bmHeight, expected.height) << "bitmap " << expected.id;
    DeleteObject(image);
  }
}

// Each image drawn on white, as 32-bit pixels side by side.
std::vector<DWORD> DrawnImages(HIMAGELIST list, int size) {
  const int count = ImageList_GetImageCount(list);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size * count;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, canvas);
  const RECT all{0, 0, size * count, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int i = 0; i < count; ++i) {
    ImageList_Draw(list, i, dc, size * i, 0, ILD_TRANSPARENT);
  }
  GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  std::vector<DWORD> drawn(pixels, pixels + static_cast<std::size_t>(size) * size * count);
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
  return drawn;
}

// Where the icons have an image of the size asked, the list is made in one piece from their
// pixels; it must draw exactly like icons the system loads and adds one at a time. At a size
// the icons do not hold the system scales them.
TEST_F(ProgramResources, IconListsDrawLikeTheIconsTheSystemLoads) {
  for (const int size : {16, 24, 20}) {
    const zorvat::shellkit::ImageList made =
        zorvat::ui::IconImageList(module_, IDI_KIND_FIRST, IDI_KIND_COUNT, size);
    const zorvat::shellkit::ImageList loaded(
        ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, IDI_KIND_COUNT, 0));
    for (int id = IDI_KIND_FIRST; id < IDI_KIND_FIRST + IDI_KIND_COUNT; ++id) {
      const zorvat::shellkit::Icon icon(static_cast<HICON>(
          LoadImageW(module_, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
      ImageList_AddIcon(loaded.get(), icon.get());
    }
    ASSERT_EQ(ImageList_GetImageCount(made.get()), IDI_KIND_COUNT) << size;
    EXPECT_EQ(DrawnImages(made.get(), size), DrawnImages(loaded.get(), size)) << size;
  }
}

// Every image of every icon is one the system can make an icon of. A start draws each icon's
// smallest image and the program icon's up to 32 px; their data lies before every other image's,
// as the system maps an image's neighbouring pages with each page touched, and a large image
// among them would be in the working set of every run.
TEST_F(ProgramResources, EveryIconImageLoadsAndThoseAStartDrawsLieBeforeTheOthers) {
  const BYTE* lastDrawnAtStart = nullptr;
  const BYTE* firstOther = nullptr;
  for (const ULONG_PTR id : GroupIds()) {
    const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));
    const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    const WORD count = *reinterpret_cast<const WORD*>(group + 4);
    const std::vector<int> sizes = IconSizes(static_cast<int>(id));
    const int smallest = *std::min_element(sizes.begin(), sizes.end());
    for (WORD i = 0; i < count; ++i) {
      const BYTE* entry = group + 6 + 14 * i;
      DWORD bytesInGroup = 0;
      WORD imageId = 0;
      std::memcpy(&bytesInGroup, entry + 8, sizeof bytesInGroup);
      std::memcpy(&imageId, entry + 12, sizeof imageId);
      const HRSRC image = FindResourceW(module_, MAKEINTRESOURCEW(imageId), MAKEINTRESOURCEW(3));
      ASSERT_NE(image, nullptr) << "icon " << id << " image " << imageId;
      auto* data = static_cast<BYTE*>(LockResource(LoadResource(module_, image)));
      const DWORD size = SizeofResource(module_, image);
      EXPECT_GE(size, bytesInGroup) << "icon " << id << " image " << imageId;
      EXPECT_EQ(ImageWidth(data, size), sizes[i]) << "icon " << id << " image " << imageId;
      const zorvat::shellkit::Icon icon(CreateIconFromResourceEx(
          data, size, TRUE, 0x00030000, sizes[i], sizes[i], LR_DEFAULTCOLOR));
      EXPECT_TRUE(icon) << "icon " << id << " at " << sizes[i];
      if (sizes[i] == smallest || (id == IDI_ZORVAT && sizes[i] <= 32)) {
        lastDrawnAtStart = std::max<const BYTE*>(lastDrawnAtStart, data);
      } else if (firstOther == nullptr || data < firstOther) {
        firstOther = data;
      }
    }
  }
  ASSERT_NE(lastDrawnAtStart, nullptr);
  ASSERT_NE(firstOther, nullptr);
  EXPECT_LT(lastDrawnAtStart, firstOther);
}

// The registration of list files names "Zorvat.exe,1": the shell counts icon groups in resource
// order, so the program's icon must come first and the list file's second.
TEST_F(ProgramResources, ShellFindsProgramIconFirstAndListFileIconSecond) {
  const std::vector<ULONG_PTR> order = GroupIds();
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(order[0], static_cast<ULONG_PTR>(IDI_ZORVAT));
  EXPECT_EQ(order[1], static_cast<ULONG_PTR>(IDI_LIST_FILE));
}

TEST_F(ProgramResources, VersionReadsBackTheProjectVersion) {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  std::vector<BYTE> data(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const WORD version[] = {ZORVAT_FILE_VERSION};
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(version[1], version[0])));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(version[3], version[2])));

  const auto text = [&](const wchar_t* name) {
    wchar_t* value = nullptr;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) {
      return std::wstring();
    }
    return std::wstring(value);
  };
  EXPECT_EQ(text(L"FileVersion"), L"" ZORVAT_FILE_VERSION_TEXT);
  EXPECT_EQ(text(L"ProductName"), L"Brumsel! Zorvat");
  EXPECT_EQ(text(L"OriginalFilename"), L"Zorvat.exe");
}

// The manifest as the loader reads it: common controls 6, per-monitor DPI awareness (v2 where the
// system has it), the UTF-8 code page.
TEST_F(ProgramResources, ManifestAsksForCommonControls6PerMonitorDpiAndUtf8) {
  const std::wstring path = ProgramPath();
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = path.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE context = CreateActCtxW(&request);
  ASSERT_NE(context, INVALID_HANDLE_VALUE);

  const auto setting = [&](const wchar_t* space, const wchar_t* name) {
    wchar_t value[64] = {};
    SIZE_T written = 0;
    const std::wstring qualified = std::wstring(L"http://schemas.microsoft.com/SMI/") + space;
    if (!QueryActCtxSettingsW(0, context, qualified.c_str(), name, value, 64, &written)) {
      return std::wstring(L"(none)");
    }
    return std::wstring(value);
  };
  EXPECT_EQ(setting(L"2005/WindowsSettings", L"dpiAware"), L"true/pm");
  EXPECT_EQ(setting(L"2016/WindowsSettings", L"dpiAwareness"), L"PerMonitorV2, PerMonitor");
  EXPECT_EQ(setting(L"2019/WindowsSettings", L"activeCodePage"), L"UTF-8");

  ULONG_PTR cookie = 0;
  ASSERT_TRUE(ActivateActCtx(context, &cookie));
  // Version 6 is a side-by-side assembly of its own; DllGetVersion cannot tell (Wine says 5.81).
  HMODULE controls = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(controls, nullptr);
  wchar_t loaded[MAX_PATH] = {};
  GetModuleFileNameW(controls, loaded, MAX_PATH);
  std::wstring file(loaded);
  std::transform(file.begin(), file.end(), file.begin(), std::towlower);
  EXPECT_NE(file.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
            std::wstring::npos)
      << std::filesystem::path(file);
  FreeLibrary(controls);
  DeactivateActCtx(0, cookie);
  ReleaseActCtx(context);
}

// The manifest makes the process code page UTF-8; list and settings files keep the system's
// legacy one, as older versions and readers expect.
TEST(ProgramCodePage, FilesStayInTheLegacyCodePageUnderTheUtf8Manifest) {
  ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
  EXPECT_EQ(zorvat::Utf8ToAnsi("Gr\xC3\xBC\xC3\x9F"), std::optional<std::string>("Gr\xFC\xDF"));
  EXPECT_EQ(zorvat::AnsiToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
}

// Screenshots here must show the layout as Windows would: the window fonts resolve to themselves
// (on Wine, Arial through the metric-compatible Liberation Sans the prefix maps it to).
TEST(WindowFonts, ArialTahomaAndMarlettResolveToThemselves) {
  HDC screen = GetDC(nullptr);
  for (const wchar_t* family : {L"Arial", L"Tahoma", L"Marlett"}) {
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, family);
    HGDIOBJ previous = SelectObject(screen, font);
    std::vector<BYTE> metrics(GetOutlineTextMetricsW(screen, 0, nullptr));
    ASSERT_FALSE(metrics.empty()) << "no outline font for " << std::filesystem::path(family);
    auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
    GetOutlineTextMetricsW(screen, static_cast<UINT>(metrics.size()), outline);
    const auto* name = reinterpret_cast<const wchar_t*>(
        metrics.data() + reinterpret_cast<size_t>(outline->otmpFamilyName));
    EXPECT_STREQ(name, family);
    SelectObject(screen, previous);
    DeleteObject(font);
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
