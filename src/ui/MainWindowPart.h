#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "base/Prompts.h"
#include "base/RegionalFormats.h"
#include "shellkit/Handles.h"
#include "ui/CommandControl.h"
#include "ui/Dpi.h"

namespace zorvat::ui {

// The main window's fonts, made together at one DPI and handed to every part.
struct MainWindowFonts {
  shellkit::Font client;   // Arial 11
  shellkit::Font heading;  // Tahoma 24 bold
  shellkit::Font caption;  // Arial 12 bold
  shellkit::Font clock;    // Arial 27 bold, smaller where the long time needs it
  shellkit::Font product;  // Tahoma 43 bold
  shellkit::Font symbol;   // Marlett
  shellkit::Font maker;    // Arial 12 bold, turned
};

// The clock label's width at 96 dpi: the side panel's, less its margin.
inline constexpr int kClockWidth = 125;

MainWindowFonts MakeMainWindowFonts(const RegionalFormats& formats, const Dpi& dpi);

// One area of the main window (top bar, new-events column, lists area, status area): it makes its
// controls, keeps the fonts it is given, places them in its rectangle of the window's client area
// and says which of them show the hand cursor. A control added to the window touches one part.
// A part's controls go before its panels and its panels before its pictures (members are
// declared in that reverse order), and all of them while the main window still lives.
class MainWindowPart {
 public:
  virtual ~MainWindowPart() = default;

  // Controls keep the fonts they are given until they get others, so `fonts` outlives this call.
  virtual void ApplyFonts(const MainWindowFonts& fonts, const Dpi& dpi) = 0;
  virtual void Layout(const RECT& area, const Dpi& dpi) = 0;
  // Pictures and sizes that follow the monitor's scale; fonts and layout come separately.
  virtual void OnDpiChanged(const Dpi& /*from*/, const Dpi& /*to*/) {}
  virtual bool ShowsHand(HWND /*control*/) const { return false; }
};

// What a part makes its controls with: the main window, the error route and where the commands
// of its buttons go.
struct PartContext {
  Prompts& prompts;
  HWND window;
  CommandControl::OnCommand onCommand;
};

// A system-class child whose messages need no object of ours (labels, bars).
HWND AddChildControl(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent,
                     int id, DWORD exStyle = 0);

// The buttons of a part: each hands its commands to the main window through its own object.
class PartButtons {
 public:
  explicit PartButtons(PartContext context) : context_(std::move(context)) {}
  HWND Add(const wchar_t* text, DWORD style, HWND parent, int id);

 private:
  PartContext context_;
  std::vector<std::unique_ptr<CommandControl>> buttons_;
};

// Moves and sizes a child; a negative length counts as none.
void PlaceChild(HWND window, int left, int top, int width, int height);

}  // namespace zorvat::ui
