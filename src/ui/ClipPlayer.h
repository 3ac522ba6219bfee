#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/AnimationClip.h"
#include "ui/Window.h"

namespace zorvat::ui {

// The animation box: a silent clip centred on what lies behind it (the parent's static-control
// colour), the colour of the first frame's top left left out. It draws the frames itself, so no
// video library is loaded for a clip of a few frames.
class ClipPlayer final : public Window {
 public:
  static constexpr UINT_PTR kFrameTimer = 1;

  ClipPlayer(Prompts& errors, HWND parent, int id);
  ~ClipPlayer() override { Destroy(); }
  ClipPlayer(const ClipPlayer&) = delete;
  ClipPlayer& operator=(const ClipPlayer&) = delete;

  // Shows the clip's first frame; with none, the box stays empty.
  void Open(std::optional<AnimationClip> clip);
  // Plays from the first frame, over and over; stopped, the frame shown stays.
  void Play(bool play);
  bool Playing() const { return playing_; }
  const AnimationClip* Clip() const { return clip_ ? &*clip_ : nullptr; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  void DrawFrame(HDC dc, const RECT& client) const;
  void NextFrame();

  std::optional<AnimationClip> clip_;
  bool playing_ = false;
};

// The clip file's bytes, or the system's find-computer clip when there is no file; nothing when
// neither can be played.
std::optional<AnimationClip> ReadAnimationClip(const std::optional<std::string>& clipFile);

}  // namespace zorvat::ui
