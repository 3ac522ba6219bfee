#include "ui/IconImageList.h"

#include <commctrl.h>

#include <cstring>
#include <optional>
#include <vector>

#include "PictureIds.h"
#include "events/TaskKinds.h"
#include "ui/Pictures.h"

namespace zorvat::ui {
namespace {

// The colour rows of an icon's image of exactly `size` pixels with an alpha channel, bottom row
// first, as the resource holds them; none when the icon has no such image.
std::optional<const std::byte*> ExactAlphaImage(HMODULE module, int id, int size) {
  HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(id), RT_GROUP_ICON);
  const void* directory = group ? LockResource(LoadResource(module, group)) : nullptr;
  if (!directory) {
    return std::nullopt;
  }
  const int imageId = LookupIconIdFromDirectoryEx(static_cast<PBYTE>(const_cast<void*>(directory)),
                                                  TRUE, size, size, LR_DEFAULTCOLOR);
  HRSRC image = imageId ? FindResourceW(module, MAKEINTRESOURCEW(imageId), RT_ICON) : nullptr;
  const auto* bytes =
      image ? static_cast<const std::byte*>(LockResource(LoadResource(module, image))) : nullptr;
  const std::size_t pixelBytes = static_cast<std::size_t>(size) * size * 4;
  BITMAPINFOHEADER header{};
  if (!bytes || SizeofResource(module, image) < sizeof header) {
    return std::nullopt;
  }
  std::memcpy(&header, bytes, sizeof header);
  // An image stored as PNG (large sizes) fails these checks too: it starts with no such header.
  if (header.biSize < sizeof header || header.biWidth != size || header.biHeight != 2 * size ||
      header.biBitCount != 32 || header.biCompression != BI_RGB ||
      SizeofResource(module, image) < header.biSize + pixelBytes) {
    return std::nullopt;
  }
  const std::byte* pixels = bytes + header.biSize;
  for (std::size_t at = 3; at < pixelBytes; at += 4) {
    if (pixels[at] != std::byte{0}) {
      return pixels;
    }
  }
  return std::nullopt;  // an old icon whose transparency is in its mask alone
}

// A bottom-up DIB section of `width` × `height` at `bitCount` bits, and where its bits are.
shellkit::Bitmap MakeDib(int width, int height, WORD bitCount, void** bits) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = bitCount;
  info.header.biCompression = BI_RGB;
  info.colours[1] = RGBQUAD{255, 255, 255, 0};
  return shellkit::Bitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                           DIB_RGB_COLORS, bits, nullptr, 0));
}

// One strip of all images and its mask (set where a pixel is fully transparent).
bool AddAsStrip(HIMAGELIST list, const std::vector<const std::byte*>& images, int size) {
  const int count = static_cast<int>(images.size());
  void* colourBits = nullptr;
  void* maskBits = nullptr;
  const shellkit::Bitmap colour = MakeDib(size * count, size, 32, &colourBits);
  const shellkit::Bitmap mask = MakeDib(size * count, size, 1, &maskBits);
  if (!colour || !mask) {
    return false;
  }
  const std::size_t rowBytes = static_cast<std::size_t>(size) * 4;
  const std::size_t stripRow = rowBytes * count;
  const std::size_t maskRow = ((static_cast<std::size_t>(size) * count + 31) / 32) * 4;
  auto* colourRows = static_cast<std::byte*>(colourBits);
  auto* maskRows = static_cast<unsigned char*>(maskBits);
  std::memset(maskRows, 0, maskRow * size);
  for (int i = 0; i < count; ++i) {
    for (int y = 0; y < size; ++y) {
      const std::byte* from = images[i] + rowBytes * y;
      std::memcpy(colourRows + stripRow * y + rowBytes * i, from, rowBytes);
      for (int x = 0; x < size; ++x) {
        if (from[4 * x + 3] == std::byte{0}) {
          const std::size_t column = static_cast<std::size_t>(size) * i + x;
          maskRows[maskRow * y + column / 8] |= static_cast<unsigned char>(0x80 >> (column % 8));
        }
      }
    }
  }
  GdiFlush();
  return ImageList_Add(list, colour.get(), mask.get()) >= 0;
}

}  // namespace

shellkit::ImageList IconImageList(HMODULE module, int first, int count, int size) {
  shellkit::ImageList list(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, count, 8));
  std::vector<const std::byte*> images;
  for (int i = 0; i < count; ++i) {
    if (const std::optional<const std::byte*> image = ExactAlphaImage(module, first + i, size)) {
      images.push_back(*image);
    }
  }
  if (images.size() == static_cast<std::size_t>(count) && AddAsStrip(list.get(), images, size)) {
    return list;
  }
  ImageList_RemoveAll(list.get());
  for (int i = 0; i < count; ++i) {
    const shellkit::Icon icon = LoadIconResource(module, first + i, size);
    ImageList_AddIcon(list.get(), icon.get());
  }
  return list;
}

static_assert(IDI_KIND_COUNT == kKindIconCount, "one icon resource per KindIcon");

shellkit::ImageList KindIconImageList(int size) {
  return IconImageList(GetModuleHandleW(nullptr), IDI_KIND_FIRST, IDI_KIND_COUNT, size);
}

}  // namespace zorvat::ui
