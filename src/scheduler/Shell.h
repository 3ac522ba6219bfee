#pragma once

#include <string>

namespace zorvat {

// Session-end modes of EndSession.
enum class SessionEndMode { LogOff = 1, Reboot = 2, ShutDown = 3, PowerOff = 4, DosMode = 5 };

// Everything a task does outside the process. The Windows build implements it with ShellKit;
// tests and the dry run record the calls instead. MoveFileTo and RemoveFile are not called
// MoveFile and DeleteFile because <windows.h> defines those names as macros.
class Shell {
 public:
  virtual ~Shell() = default;

  // Opens a program or document in its own folder, in a normal window; failures are silent.
  virtual void StartProgramWithParameters(const std::string& program,
                                          const std::string& parameters) = 0;
  // Nothing when the source is missing; creates the target's folders; overwrites the target.
  // Throws zorvat::Error "Unable to create directory" when the target names no folder.
  virtual void CopyFileForced(const std::string& source, const std::string& target) = 0;
  virtual void MoveFileTo(const std::string& source, const std::string& target) = 0;  // silent
  virtual void RemoveFile(const std::string& path) = 0;                               // silent
  virtual void EndSession(SessionEndMode mode) = 0;                                   // silent
  // Width in pixels, depth in bits per pixel, mode 1 = change now without storing; the
  // result is the system's (0 = success).
  virtual int SetDisplayMode(int width, int depth, int mode) = 0;
  // Shows (flag 1) or hides (flag 0) the Windows taskbar.
  virtual void ShowTaskbar(bool show) = 0;
};

}  // namespace zorvat
