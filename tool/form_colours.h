#pragma once

namespace morven::tool {

// Colours as 0xRRGGBB.
struct FormColours {
  unsigned text;
  unsigned background;
  friend bool operator==(const FormColours&, const FormColours&) = default;
};

// The form's white background with the system's window text, wherever that text reads on white.
// Where the system runs a high-contrast scheme, or its window text is too light to read on white
// (a dark scheme), the background is the system's own window colour instead: text and background
// then come from one scheme.
FormColours ChooseFormColours(unsigned systemWindowText, unsigned systemWindow, bool highContrast);

// A text reads on white when their contrast ratio is at least 4.5 to 1, as for body text in the
// accessibility guidelines for the web: black does (21:1), #767676 just does, #777777 not.
bool ReadsOnWhite(unsigned textRgb);

}  // namespace morven::tool
