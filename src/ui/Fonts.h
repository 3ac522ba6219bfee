#pragma once

#include <windows.h>

#include "shellkit/Handles.h"
#include "ui/Dpi.h"

namespace zorvat::ui {

// A font whose characters are `pixels` high at 96 dpi.
inline shellkit::Font MakeFont(const wchar_t* face, int pixels, bool bold, const Dpi& dpi,
                               BYTE charset = DEFAULT_CHARSET) {
  LOGFONTW description{};
  description.lfHeight = -dpi(pixels);
  description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  description.lfCharSet = charset;
  description.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(description.lfFaceName, face, LF_FACESIZE);
  return shellkit::Font(CreateFontIndirectW(&description));
}

// `font` with its height times `numerator` / `denominator`, in bold when asked (else in its own
// weight): a heading in the face of the text around it, or that text at another scale.
inline shellkit::Font MakeFontVariant(HFONT font, int numerator, int denominator,
                                      bool bold = false) {
  LOGFONTW description{};
  GetObjectW(font, sizeof description, &description);
  if (bold) {
    description.lfWeight = FW_BOLD;
  }
  description.lfHeight = MulDiv(description.lfHeight, numerator, denominator);
  return shellkit::Font(CreateFontIndirectW(&description));
}

inline shellkit::Font MakeBoldVariant(HFONT font, int numerator = 1, int denominator = 1) {
  return MakeFontVariant(font, numerator, denominator, true);
}

}  // namespace zorvat::ui
