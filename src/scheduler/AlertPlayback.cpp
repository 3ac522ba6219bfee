#include "scheduler/AlertPlayback.h"

#include <algorithm>
#include <utility>

#include "scheduler/TaskMessages.h"

namespace zorvat {
namespace {

constexpr int kAlertModeBox = 1;
constexpr int kAlertModeBlink = 2;
constexpr std::uint8_t kBlinkSteps = 3;

}  // namespace

AlertPlayback::AlertPlayback(const LiveSettings& settings, Ports ports)
    : settings_(settings), ports_(std::move(ports)) {}

void AlertPlayback::Start(const std::string& soundFile) {
  ports_.sound.Open(soundFile);
  try {
    ports_.sound.PlayFromStart();
  } catch (...) {
    // A running play timer then finds nothing open and stops without a word.
    ports_.sound.Close();
    throw;
  }
  playCount_ = 1;
  if (!playTimerRunning_) {
    playTimerRunning_ = true;
    ports_.timers.Start(SchedulerTimer::Play, EntryOf(SchedulerTimer::Play).interval);
  }
  const int mode = ports_.alertMode ? ports_.alertMode() : 0;
  if (mode == kAlertModeBox) {
    ports_.prompts.Inform("Information", AlertReminderText());
  } else if (mode == kAlertModeBlink && !blinkerRunning_) {
    blinkerRunning_ = true;
    ports_.timers.Start(SchedulerTimer::Blink, EntryOf(SchedulerTimer::Blink).interval);
  }
}

void AlertPlayback::OnPlayTick() {
  // A failed open of a later alert has closed the earlier file: nothing is left to play.
  if (!ports_.sound.IsOpen()) {
    StopPlaying();
    return;
  }
  try {
    PlayOnAtTheEnd();
  } catch (...) {
    // Reported once: the next tick would only raise the same error again.
    ports_.sound.Close();
    StopPlaying();
    throw;
  }
}

void AlertPlayback::PlayOnAtTheEnd() {
  if (ports_.sound.Position() < ports_.sound.Length()) {
    return;
  }
  // A repeat count of 0 still plays once; one lowered during playback ends it at the next end.
  const std::uint8_t repeat = std::max<std::uint8_t>(settings_.alertRepeat, 1);
  if (playCount_ < repeat) {
    ports_.sound.PlayFromStart();
    ++playCount_;
    return;
  }
  ports_.sound.Close();
  StopPlaying();
}

void AlertPlayback::StopPlaying() {
  playCount_ = 1;
  playTimerRunning_ = false;
  ports_.timers.Stop(SchedulerTimer::Play);
}

void AlertPlayback::StopBlinking() {
  if (!blinkerRunning_) {
    return;
  }
  blinkState_ = 0;
  blinkCount_ = 0;
  blinkerRunning_ = false;
  ports_.timers.Stop(SchedulerTimer::Blink);
  ports_.shell.ShowTaskbar(true);
}

void AlertPlayback::OnBlinkTick() {
  if (blinkCount_ == kBlinkSteps) {
    blinkState_ = 0;
    blinkCount_ = 0;
    blinkerRunning_ = false;
    ports_.timers.Stop(SchedulerTimer::Blink);
    return;
  }
  blinkState_ = 1 - blinkState_;
  ports_.shell.ShowTaskbar(blinkState_ == 1);
  ++blinkCount_;
}

}  // namespace zorvat
