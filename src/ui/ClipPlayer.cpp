#include "ui/ClipPlayer.h"

#include <cstring>
#include <utility>

#include "base/Files.h"
#include "shellkit/Handles.h"
#include "shellkit/SystemLibrary.h"

namespace zorvat::ui {
namespace {

constexpr int kFindComputerClip = 152;  // in shell32.dll

COLORREF ColourRef(std::uint32_t rgb) {
  return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

}  // namespace

ClipPlayer::ClipPlayer(Prompts& errors, HWND parent, int id) : Window(errors) {
  Create(L"ZorvatClipPlayer", 0, L"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 0, 0}, parent,
         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void ClipPlayer::Open(std::optional<AnimationClip> clip) {
  clip_ = std::move(clip);
  InvalidateRect(Handle(), nullptr, FALSE);
  Play(playing_);
}

void ClipPlayer::Play(bool play) {
  playing_ = play;
  if (play && clip_) {
    clip_->Rewind();
    InvalidateRect(Handle(), nullptr, FALSE);
  }
  if (play && clip_ && clip_->FrameCount() > 1) {
    SetTimer(Handle(), kFrameTimer, clip_->FrameMilliseconds(), nullptr);
  } else {
    KillTimer(Handle(), kFrameTimer);
  }
}

LRESULT ClipPlayer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto painted = PaintMessage(message, wParam, [this](HDC dc) { Paint(dc); })) {
    return *painted;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam == kFrameTimer) {
        NextFrame();
      }
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void ClipPlayer::NextFrame() {
  if (clip_) {
    clip_->Advance();
    InvalidateRect(Handle(), nullptr, FALSE);
  }
}

// Drawn off the screen and copied in one piece: the background and the frame never show apart.
void ClipPlayer::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const shellkit::MemoryDc box(CreateCompatibleDC(dc));
  const shellkit::Bitmap boxPicture(CreateCompatibleBitmap(dc, client.right, client.bottom));
  if (!box || !boxPicture) {
    return;
  }
  const shellkit::SelectionGuard boxSelected(box.get(), boxPicture.get());
  const auto behind = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(Handle()), WM_CTLCOLORSTATIC,
                                                            reinterpret_cast<WPARAM>(box.get()),
                                                            reinterpret_cast<LPARAM>(Handle())));
  FillRect(box.get(), &client, behind ? behind : GetSysColorBrush(COLOR_BTNFACE));
  if (clip_) {
    DrawFrame(box.get(), client);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, box.get(), 0, 0, SRCCOPY);
}

void ClipPlayer::DrawFrame(HDC dc, const RECT& client) const {
  const int width = clip_->Width();
  const int height = clip_->Height();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const shellkit::Bitmap frame(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const shellkit::MemoryDc source(CreateCompatibleDC(dc));
  if (!frame || !source) {
    return;
  }
  std::memcpy(bits, clip_->Picture().data(), clip_->Picture().size() * sizeof(std::uint32_t));
  const shellkit::SelectionGuard selected(source.get(), frame.get());
  TransparentBlt(dc, (client.right - width) / 2, (client.bottom - height) / 2, width, height,
                 source.get(), 0, 0, width, height, ColourRef(clip_->TransparentColour()));
}

std::optional<AnimationClip> ReadAnimationClip(const std::optional<std::string>& clipFile) {
  if (clipFile) {
    std::optional<std::string> bytes = ReadFileBytes(*clipFile);
    return bytes ? AnimationClip::Read(std::move(*bytes)) : std::nullopt;
  }
  // As a data file: the clip is copied out, and nothing of shell32 need run or stay loaded.
  const shellkit::Library shell = shellkit::LoadSystemLibrary(
      L"shell32.dll", LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  const HRSRC found =
      shell ? FindResourceW(shell.get(), MAKEINTRESOURCEW(kFindComputerClip), L"AVI") : nullptr;
  const void* data = found ? LockResource(LoadResource(shell.get(), found)) : nullptr;
  if (!data) {
    return std::nullopt;
  }
  return AnimationClip::Read(
      std::string(static_cast<const char*>(data), SizeofResource(shell.get(), found)));
}

}  // namespace zorvat::ui
