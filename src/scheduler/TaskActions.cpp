#include "scheduler/TaskActions.h"

#include <array>
#include <string_view>
#include <utility>

#include "events/TaskKinds.h"

namespace zorvat {
namespace {

template <std::size_t N>
std::optional<int> MatchPrefix(const std::string& text,
                               const std::array<std::pair<std::string_view, int>, N>& table) {
  for (const auto& [prefix, value] : table) {
    if (text.compare(0, prefix.size(), prefix) == 0) {
      return value;
    }
  }
  return std::nullopt;
}

}  // namespace

bool HasAction(std::uint8_t command) {
  const TaskKind* kind = FindTaskKind(command);
  return kind && kind->action != TaskAction::None;
}

// These are the beginnings of the texts the display dialog offers, not the modes ShellKit's
// SetDisplayMode knows (which adds 1600 pixels and 32 bits for its other callers): a width typed
// in by hand that the dialog never offers stays the "Error" box rather than a guess.
std::optional<DisplayMode> ParseDisplayMode(const std::string& resolution,
                                            const std::string& colourDepth) {
  static constexpr std::array<std::pair<std::string_view, int>, 5> kWidths{
      {{"1280", 1280}, {"1152", 1152}, {"1024", 1024}, {"800 ", 800}, {"640 ", 640}}};
  static constexpr std::array<std::pair<std::string_view, int>, 4> kDepths{
      {{"24", 24}, {"16", 16}, {"8 ", 8}, {"4 ", 4}}};
  const std::optional<int> width = MatchPrefix(resolution, kWidths);
  const std::optional<int> depth = MatchPrefix(colourDepth, kDepths);
  if (!width || !depth) {
    return std::nullopt;
  }
  return DisplayMode{*width, *depth};
}

// No default: an action added to the kinds without its case here does not compile.
void TaskActions::Run(const Task& task) {
  const TaskKind* kind = FindTaskKind(task.command);
  switch (kind ? kind->action : TaskAction::None) {
    case TaskAction::None:
      break;
    case TaskAction::ShowMessage:
      prompts_.Inform("Information", MessageTaskText(task.operand1));
      break;
    case TaskAction::PlayAlert:
      alert_.Start(task.operand1);
      break;
    case TaskAction::StartProgram:
      shell_.StartProgramWithParameters(task.operand1, task.operand2);
      break;
    case TaskAction::CopyFile:
      shell_.CopyFileForced(task.operand1, task.operand2);
      break;
    case TaskAction::MoveFile:
      shell_.MoveFileTo(task.operand1, task.operand2);
      break;
    case TaskAction::DeleteFile:
      shell_.RemoveFile(task.operand1);
      break;
    case TaskAction::ExitWindows:
      shell_.EndSession(SessionEndMode::ShutDown);
      break;
    case TaskAction::TurnOff:
      shell_.EndSession(SessionEndMode::PowerOff);
      break;
    case TaskAction::Reboot:
      shell_.EndSession(SessionEndMode::Reboot);
      break;
    case TaskAction::DosMode:
      shell_.EndSession(SessionEndMode::DosMode);
      break;
    case TaskAction::LogOff:
      shell_.EndSession(SessionEndMode::LogOff);
      break;
    case TaskAction::ChangeDisplayMode:
      ChangeDisplayMode(task);
      break;
  }
}

void TaskActions::ChangeDisplayMode(const Task& task) {
  constexpr int kChangeNowWithoutStoring = 1;
  const std::optional<DisplayMode> mode = ParseDisplayMode(task.operand1, task.operand2);
  if (!mode || shell_.SetDisplayMode(mode->width, mode->depth, kChangeNowWithoutStoring) != 0) {
    prompts_.Show("Error", "Error", PromptIcon::Error, PromptButtons::Ok);
  }
}

}  // namespace zorvat
