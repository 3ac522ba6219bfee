#pragma once

#include <optional>
#include <string>

#include "base/Prompts.h"
#include "events/Task.h"
#include "scheduler/AlertPlayback.h"
#include "scheduler/Shell.h"
#include "scheduler/TaskMessages.h"

namespace zorvat {

// Whether the command's kind has an action; a code without a kind has none.
bool HasAction(std::uint8_t command);

struct DisplayMode {
  int width;
  int depth;
  friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};
// From the beginnings of the display dialog's texts, "1024 x 768 Pixel" and "16 bit (...)";
// nothing when either names no known width or depth.
std::optional<DisplayMode> ParseDisplayMode(const std::string& resolution,
                                            const std::string& colourDepth);

// Carries out a task that has been taken (and not refused). Errors raised by the sound device
// or the file layer propagate to the caller.
class TaskActions {
 public:
  TaskActions(Shell& shell, Prompts& prompts, AlertPlayback& alert)
      : shell_(shell), prompts_(prompts), alert_(alert) {}

  void Run(const Task& task);

 private:
  void ChangeDisplayMode(const Task& task);

  Shell& shell_;
  Prompts& prompts_;
  AlertPlayback& alert_;
};

}  // namespace zorvat
