#pragma once

#include <span>

#include "tool/pixel_geometry.h"

// What the dialog looks like, as data that every view draws from: the form, and for each control
// its kind, role, run-time name, caption, place, byte limit, input method and tab order. Texts
// are Shift_JIS; sizes are pixels and are not scaled to the screen's resolution.
namespace morven::tool {

inline constexpr PixelSize kClientSize{312, 217};
inline constexpr PixelPoint kDesignPosition{190, 104};
inline constexpr int kFontPixels = 13;
inline constexpr int kListItemHeight = 13;
inline constexpr unsigned kBackgroundRgb = 0xFFFFFF;
// The name the form is found by at run time.
inline constexpr const char* kFormObjectName = "Form1";

enum class ControlKind { kLabel, kDropDownList, kEdit, kButton };

enum class ControlRole {
  kStartMarkLabel,
  kEndMarkLabel,
  kTextTypeLabel,
  kMarkScaleLabel,
  kPrefixLabel,
  kSuffixLabel,
  kTextDistanceLabel,
  kTextDistanceUnit,
  kExtensionGapLabel,
  kExtensionGapUnit,
  kOvershootLabel,
  kOvershootUnit,
  kStartMarkList,
  kEndMarkList,
  kMarkScaleField,
  kTextTypeList,
  kPrefixField,
  kSuffixField,
  kTextDistanceField,
  kExtensionGapField,
  kOvershootField,
  kOkButton,
  kCancelButton,
};

inline constexpr int kNoTabStop = -1;
inline constexpr int kNoByteLimit = 0;

struct ControlSpec {
  ControlKind kind;
  ControlRole role;
  // The run-time object name that tests and UI-automation tools find the control by ("Edit4").
  const char* objectName;
  // A label's or button's caption, an edit field's start text; "&" before a button's access key.
  const char* text;
  PixelRect rect;
  int byteLimit;     // most Shift_JIS bytes the user can enter; kNoByteLimit for the others
  bool inputMethod;  // false: the Japanese input method is switched off while it has the focus
  int tabOrder;      // 0 has the focus when the form opens; kNoTabStop for labels
};

// Every control of the form: the twelve labels, then the inputs and buttons in tab order.
std::span<const ControlSpec> FormControls();

// The control with that role; every role has exactly one.
const ControlSpec& ControlFor(ControlRole role);

// The eleven end marks in list order; the mark code is the position plus one. The first and the
// last look alike and give different codes.
std::span<const char* const> EndMarkItems();

}  // namespace morven::tool
