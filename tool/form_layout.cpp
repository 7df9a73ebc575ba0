#include "tool/form_layout.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "tool/form_texts.h"

namespace morven::tool {
namespace {

constexpr int kLabelHeight = 13;
constexpr int kFieldHeight = 21;
constexpr int kButtonHeight = 25;
constexpr int kNumberFieldBytes = 16;
constexpr int kAffixFieldBytes = 32;

constexpr ControlSpec Label(ControlRole role, const char* name, const char* caption, int left,
                            int top, int width) {
  return {ControlKind::kLabel, role, name,       caption, {}, {left, top, width, kLabelHeight},
          kNoByteLimit,        true, kNoTabStop, {}};
}

constexpr ControlSpec List(ControlRole role, ControlRole label, const char* name,
                           std::span<const char* const> items, int left, int top, int width,
                           bool inputMethod, int tab) {
  return {ControlKind::kDropDownList,       role,         name,        "",  items,
          {left, top, width, kFieldHeight}, kNoByteLimit, inputMethod, tab, label};
}

constexpr ControlSpec Edit(ControlRole role, ControlRole label, const char* name, const char* start,
                           int left, int top, int width, int byteLimit, bool inputMethod, int tab) {
  return {ControlKind::kEdit, role,        name, start, {}, {left, top, width, kFieldHeight},
          byteLimit,          inputMethod, tab,  label};
}

constexpr ControlSpec Button(ControlKind kind, ControlRole role, const char* name,
                             const char* caption, int left, int top, int width, int tab) {
  return {kind,         role, name, caption, {}, {left, top, width, kButtonHeight},
          kNoByteLimit, true, tab,  {}};
}

using enum ControlRole;

constexpr std::array kControls = {
    Label(kStartMarkLabel, "Label6", kStartMarkCaption, 8, 8, 26),
    List(kStartMarkList, kStartMarkLabel, "ComboBox1", kEndMarks, 48, 4, 81, true, 0),
    Label(kEndMarkLabel, "Label7", kEndMarkCaption, 8, 32, 26),
    List(kEndMarkList, kEndMarkLabel, "ComboBox2", kEndMarks, 48, 28, 81, true, 1),
    Label(kMarkScaleLabel, "Label1", kMarkScaleCaption, 8, 60, 52),
    Edit(kMarkScaleField, kMarkScaleLabel, "Edit1", "1", 72, 56, 57, kNumberFieldBytes, false, 2),
    Label(kTextTypeLabel, "Label2", kTextTypeCaption, 136, 8, 91),
    List(kTextTypeList, kTextTypeLabel, "ComboBox3", {}, 136, 28, 169, false, 3),
    Label(kPrefixLabel, "Label11", kPrefixCaption, 136, 60, 52),
    Edit(kPrefixField, kPrefixLabel, "Edit2", "", 200, 56, 105, kAffixFieldBytes, true, 4),
    Label(kSuffixLabel, "Label12", kSuffixCaption, 136, 84, 52),
    Edit(kSuffixField, kSuffixLabel, "Edit3", "", 200, 80, 105, kAffixFieldBytes, true, 5),
    Label(kTextDistanceLabel, "Label3", kTextDistanceCaption, 8, 112, 143),
    Edit(kTextDistanceField, kTextDistanceLabel, "Edit4", "0.5", 200, 108, 57, kNumberFieldBytes,
         false, 6),
    Label(kTextDistanceUnit, "Label4", kPaperMillimetres, 264, 112, 40),
    Label(kExtensionGapLabel, "Label5", kExtensionGapCaption, 8, 136, 156),
    Edit(kExtensionGapField, kExtensionGapLabel, "Edit5", "2", 200, 132, 57, kNumberFieldBytes,
         false, 7),
    Label(kExtensionGapUnit, "Label8", kPaperMillimetres, 264, 136, 40),
    Label(kOvershootLabel, "Label9", kOvershootCaption, 8, 160, 156),
    Edit(kOvershootField, kOvershootLabel, "Edit6", "2", 200, 156, 57, kNumberFieldBytes, false, 8),
    Label(kOvershootUnit, "Label10", kPaperMillimetres, 264, 160, 40),
    Button(ControlKind::kDefaultButton, kOkButton, "Button1", kOkCaption, 56, 184, 97, 9),
    Button(ControlKind::kCancelButton, kCancelButton, "Button2", kCancelCaption, 176, 184, 129, 10),
};

constexpr bool EachRoleOnceInOrder() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (static_cast<std::size_t>(kControls[i].role) != i) return false;
  }
  return true;
}
static_assert(EachRoleOnceInOrder(), "the table is indexed by role");

// Labels take no focus; the inputs and buttons come in tab order, 0 first, so a view that makes
// the controls in table order gets the tab order too.
constexpr bool TabOrderFollowsTheTable() {
  int next = 0;
  for (const ControlSpec& row : kControls) {
    const bool label = row.kind == ControlKind::kLabel;
    if (label != (row.tabOrder == kNoTabStop)) return false;
    if (!label && row.tabOrder != next++) return false;
  }
  return next > 0;
}
static_assert(TabOrderFollowsTheTable(), "the tab order is the table's order of its inputs");

// Every list and edit field is named by the label made just before it, and no label names two.
constexpr bool EachInputFollowsItsLabel() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const ControlSpec& row = kControls[i];
    const bool input = row.kind == ControlKind::kDropDownList || row.kind == ControlKind::kEdit;
    if (input != row.label.has_value()) return false;
    if (input && (i == 0 || kControls[i - 1].role != *row.label ||
                  kControls[i - 1].kind != ControlKind::kLabel)) {
      return false;
    }
  }
  return true;
}
static_assert(EachInputFollowsItsLabel(),
              "a screen reader names an input after the label before it");

}  // namespace

std::span<const ControlSpec> FormControls() {
  return kControls;
}

const ControlSpec& ControlFor(ControlRole role) {
  return kControls[static_cast<std::size_t>(role)];
}

PixelSize LabelSize(const ControlSpec& label, int textWidth, FormScale scale) {
  return {std::max(scale.Pixels(label.rect.width), textWidth), scale.Pixels(label.rect.height)};
}

}  // namespace morven::tool
