#pragma once

#include <cstdint>

// What the reader made of one line of the exchange file: the keyword row that applied.
namespace morven::exchange {

enum ElementKind : std::int32_t;

enum class RowKind : std::uint8_t {
  kBlank,           // nothing but blanks
  kNoRow,           // no row applied; the line changed nothing
  kNothingDrawn,    // "hq", the program's answer when it wrote no command; changes nothing
  kFileName,        // file=
  kHostSetting,     // hk, hs, hzs, hcw, hch, hcd, hcc, bz, hn
  kNumberedPoint,   // hp
  kHhpNumber,       // hhp
  kLayerGroupName,  // lgn
  kLayerName,       // lyn
  // The attributes in force for the elements that follow.
  kLayerGroup,
  kLayer,
  kLineColor,
  kLineType,
  kLineWidth,
  kFontName,
  kTextType,
  kCcValue,
  kPnColor,
  kZFlag,          // z1 to z5
  kPolylineStart,  // pl
  kMessageStart,   // msg
  kModeEnd,        // #
  kElement,        // one element was appended; AppliedRow::Element tells its kind
  kMessageLine,    // four numbers in message mode: the line the next "cs" text carries
};

struct AppliedRow {
  RowKind Kind = RowKind::kNoRow;
  ElementKind Element{};  // for RowKind::kElement only
};

constexpr AppliedRow RowOf(RowKind kind) {
  return {kind, {}};
}

constexpr AppliedRow ElementRow(ElementKind kind) {
  return {RowKind::kElement, kind};
}

}  // namespace morven::exchange
