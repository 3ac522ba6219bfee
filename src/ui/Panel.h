#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shellkit/Handles.h"
#include "ui/Window.h"

namespace zorvat::ui {

// A plain area of the main window: its colour, an optional lowered bevel, black rules, pictures
// and painted texts. Labels on it take its colour, or the colour given for them; notifications
// of its controls go to their own objects (the Window route), never on to its parent.
class Panel final : public Window {
 public:
  static constexpr int kBevel = 2;

  Panel(Prompts& errors, HWND parent, COLORREF background, bool lowered = false);
  ~Panel() override { Destroy(); }
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;

  struct Rule {
    int top = 0;
    int height = 0;
    int left = 0;  // the rule runs to the panel's right edge
  };
  struct Picture {
    HBITMAP bitmap;  // not owned
    RECT at;         // the picture is stretched to it; a zero-width rect fills the inner area
  };
  struct Text {
    std::wstring text;
    HFONT font;  // not owned
    COLORREF colour;
    POINT at;
  };

  void SetRules(std::vector<Rule> rules) { rules_ = std::move(rules); }
  void SetPictures(std::vector<Picture> pictures) { pictures_ = std::move(pictures); }
  void SetTexts(std::vector<Text> texts) { texts_ = std::move(texts); }
  // A filled strip along the left edge of the inner area.
  void SetStrip(int width, COLORREF colour) {
    stripWidth_ = width;
    stripColour_ = colour;
  }
  void SetLabelColour(HWND label, COLORREF colour);
  // A 1-px black frame around the panel.
  void SetFramed(bool framed) { framed_ = framed; }
  // The client area inside the bevel.
  RECT Inner() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  LRESULT ColourLabel(HDC dc, HWND label);

  COLORREF background_;
  shellkit::Brush backgroundBrush_;
  bool lowered_;
  std::vector<Rule> rules_;
  std::vector<Picture> pictures_;
  std::vector<Text> texts_;
  bool framed_ = false;
  int stripWidth_ = 0;
  COLORREF stripColour_ = 0;
  std::vector<std::pair<HWND, COLORREF>> labelColours_;
};

}  // namespace zorvat::ui
