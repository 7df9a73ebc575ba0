#pragma once

#include <optional>
#include <span>

#include "tool/form_desktop.h"

// What the dialog looks like, as data that every view draws from: the form, and for each control
// its kind, role, run-time name, caption, place, byte limit, input method, tab order and label.
// Texts are Shift_JIS; sizes are pixels of a 96-DPI screen (FormScale turns them into a
// window's).
namespace morven::tool {

inline constexpr PixelSize kClientSize{312, 217};
inline constexpr PixelPoint kDesignPosition{190, 104};
inline constexpr int kFontPixels = 13;
inline constexpr int kListItemHeight = 13;

// A push button is either the default one, pressed by Enter, or the cancel one, pressed by Esc.
enum class ControlKind { kLabel, kDropDownList, kEdit, kDefaultButton, kCancelButton };

// In the order the controls are made: each label just before the input it names (a screen reader
// names an input after the label made just before it), a unit after its field.
enum class ControlRole {
  kStartMarkLabel,
  kStartMarkList,
  kEndMarkLabel,
  kEndMarkList,
  kMarkScaleLabel,
  kMarkScaleField,
  kTextTypeLabel,
  kTextTypeList,
  kPrefixLabel,
  kPrefixField,
  kSuffixLabel,
  kSuffixField,
  kTextDistanceLabel,
  kTextDistanceField,
  kTextDistanceUnit,
  kExtensionGapLabel,
  kExtensionGapField,
  kExtensionGapUnit,
  kOvershootLabel,
  kOvershootField,
  kOvershootUnit,
  kOkButton,
  kCancelButton,
};

inline constexpr int kNoTabStop = -1;
inline constexpr int kNoByteLimit = 0;

struct ControlSpec {
  ControlKind kind;
  ControlRole role;
  // The run-time object name that tests and UI-automation tools find the control by: the name
  // the form designer gave it.
  const char* objectName;
  // A label's or button's caption, an edit field's start text; "&" before a button's access key.
  const char* text;
  // A list's items when the form opens, the first selected; the text-type list is empty until
  // the exchange file has been read.
  std::span<const char* const> items;
  PixelRect rect;
  int byteLimit;     // most Shift_JIS bytes the user can enter; kNoByteLimit for the others
  bool inputMethod;  // false: the Japanese input method is switched off while it has the focus
  int tabOrder;      // 0 has the focus when the form opens; kNoTabStop for labels
  // The label that names an input to a screen reader; none for labels and buttons.
  std::optional<ControlRole> label;
};

// The name the form itself is found by at run time.
inline constexpr const char* kFormObjectName = "Form1";

// Every control of the form in the order it is made, which is the tab order of its inputs and
// buttons; each input's label comes just before it.
std::span<const ControlSpec> FormControls();

// The control with that role; every role has exactly one.
const ControlSpec& ControlFor(ControlRole role);

// A label is as wide as its text: the table's width fits the form's font, and a stand-in font with
// wider characters (IPAGothic under Wine draws a full-width character 14 pixels wide, not 13)
// widens the label rather than cutting its last characters off. Its height is the table's.
// `textWidth` is the caption's width as the view's font draws it; a view that scales the form
// itself gives its scale.
PixelSize LabelSize(const ControlSpec& label, int textWidth, FormScale scale = FormScale());

}  // namespace morven::tool
