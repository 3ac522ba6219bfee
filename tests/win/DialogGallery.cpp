// Shows one editing dialog with sample values for a while, for the screenshots of
// scripts/dialog-screenshots: dialog-gallery properties|message|alert|app|copy|rename|delete|screen
#include <windows.h>

#include <map>
#include <string>

#include "base/Prompts.h"
#include "ui/ParameterDialogs.h"
#include "ui/PropertiesDialog.h"

namespace {

class SilentPrompts final : public zorvat::Prompts {
 public:
  zorvat::PromptAnswer Show(const std::string&, const std::string&, zorvat::PromptIcon,
                            zorvat::PromptButtons) override {
    return zorvat::PromptAnswer::Ok;
  }
};

// Closes the dialog after a while, so the script never has to stop the process itself.
void CALLBACK CloseDialog(HWND, UINT, UINT_PTR, DWORD) {
  PostMessageW(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using zorvat::ParameterDialog;
  const std::wstring name = argc > 1 ? argv[1] : L"properties";
  SilentPrompts prompts;
  SetTimer(nullptr, 0, 5000, &CloseDialog);
  if (name == L"properties") {
    const zorvat::DateTime time = zorvat::EncodeDateTime({2026, 12, 24}, {18, 30, 0, 0});
    zorvat::ui::EditEventProperties(nullptr, prompts, zorvat::EventKind::General, true,
                                    {time, time, zorvat::kCmdCopyFile, true, {}},
                                    zorvat::ui::SystemParameterDialogs(prompts));
    return 0;
  }
  const std::map<std::wstring, std::pair<ParameterDialog, zorvat::Operands>> samples = {
      {L"message", {ParameterDialog::Message, {"Christmas dinner at six", ""}}},
      {L"alert", {ParameterDialog::Alert, {"C:\\Sounds\\wake.wav", ""}}},
      {L"app", {ParameterDialog::AppStart, {"C:\\Tools\\report.exe", "/monthly"}}},
      {L"copy", {ParameterDialog::CopyFile, {"C:\\Data\\work.mdb", "D:\\Backup\\work.mdb"}}},
      {L"rename", {ParameterDialog::RenameFile, {"C:\\Data\\old.txt", "C:\\Data\\new.txt"}}},
      {L"delete", {ParameterDialog::DeleteFile, {"C:\\Temp\\scratch.tmp", ""}}},
      {L"screen",
       {ParameterDialog::DisplayMode, {"1024 x 768 Pixel", "24 bit (TrueColor / 16,7 Mio)"}}},
  };
  const auto sample = samples.find(name);
  if (sample == samples.end()) {
    return 2;
  }
  zorvat::ui::EditParameters(nullptr, prompts, sample->second.first, sample->second.second);
  return 0;
}
