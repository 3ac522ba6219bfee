#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/Prompts.h"
#include "scheduler/SchedulerTimers.h"
#include "scheduler/Shell.h"
#include "scheduler/SoundPlayer.h"
#include "settings/LiveSettings.h"

namespace zorvat {

// The settings key AlertMode, read afresh at every alert: 0 none, 1 a box, 2 taskbar blinks.
using AlertModeReader = std::function<int()>;

// The alert's sound, repeated by the play timer, and the taskbar blinking of the blink timer.
class AlertPlayback {
 public:
  struct Ports {
    SoundPlayer& sound;
    Shell& shell;
    Prompts& prompts;
    SchedulerTimers& timers;
    AlertModeReader alertMode;
  };
  AlertPlayback(const LiveSettings& settings, Ports ports);

  // Command 1. An error opening the file leaves the play count, the timers and the visual
  // signal as they were; an error playing it also closes the file.
  void Start(const std::string& soundFile);
  void OnPlayTick();
  void OnBlinkTick();
  // Ends a blink run at once with the taskbar shown, as leaving the program must.
  void StopBlinking();

  std::uint8_t PlayCount() const { return playCount_; }
  bool Playing() const { return playTimerRunning_; }
  bool Blinking() const { return blinkerRunning_; }

 private:
  void PlayOnAtTheEnd();
  void StopPlaying();

  const LiveSettings& settings_;
  Ports ports_;
  std::uint8_t playCount_ = 1;
  std::uint8_t blinkState_ = 0;
  std::uint8_t blinkCount_ = 0;
  bool playTimerRunning_ = false;
  bool blinkerRunning_ = false;
};

}  // namespace zorvat
