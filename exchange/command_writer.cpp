#include "exchange/command_writer.h"

#include <string>

#include "exchange/exchange_state.h"
#include "numeric/number_text.h"

namespace morven::exchange {

namespace {

constexpr std::int32_t kListMode = 1;
constexpr std::int32_t kHostLineWidth = -1;
constexpr std::int32_t kMaxLineWidth = 30000;
constexpr std::int32_t kMaxTextType = 10;

void AddKeywordLine(ExchangeState& state, std::string_view keyword, const std::string& value) {
  std::string line(keyword);
  line += value;
  AddCommandLine(state, line);
}

// The host's numbers are 32-bit and wrap round: 2147483647 + 91 is -2147483558.
std::int32_t WrappingAdd(std::int32_t n, std::int32_t offset) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(n) +
                                   static_cast<std::uint32_t>(offset));
}

}  // namespace

std::int32_t MapColorNumber(const ExchangeState& state, std::int32_t n) {
  if (n <= 0) return state.InitialLineColor;
  if (n <= 9) return n;
  return WrappingAdd(n, 91);
}

std::int32_t MapLineTypeNumber(const ExchangeState& state, std::int32_t n) {
  if (n <= 0) return state.InitialLineType;
  if (n <= 9) return n;
  if (n <= 18) return n + 1;
  return WrappingAdd(n, 12);
}

void SetLayerGroup(ExchangeState& state, std::int32_t group) {
  if (!state.ForceLayerGroup && group == state.CurLayerGroup) return;
  AddKeywordLine(state, "lg", numeric::HexIntegerText(group, 1));
  state.CurLayerGroup = group;
  state.ForceLayerGroup = false;
  // Layers are numbered within their group, so the next layer request must be written.
  state.ForceLayer = true;
}

void SetLayer(ExchangeState& state, std::int32_t layer) {
  if (!state.ForceLayer && layer == state.CurLayer) return;
  AddKeywordLine(state, "ly", numeric::HexIntegerText(layer, 1));
  state.CurLayer = layer;
  state.ForceLayer = false;
}

void SetLineColor(ExchangeState& state, std::int32_t color, std::int32_t mode) {
  if (mode == kListMode) color = MapColorNumber(state, color);
  if (!state.ForceLineColor && color == state.CurLineColor) return;
  AddKeywordLine(state, "lc", numeric::DecimalIntegerText(color));
  state.CurLineColor = color;
  state.ForceLineColor = false;
}

void SetLineType(ExchangeState& state, std::int32_t lineType, std::int32_t mode) {
  if (mode == kListMode) lineType = MapLineTypeNumber(state, lineType);
  if (!state.ForceLineType && lineType == state.CurLineType) return;
  AddKeywordLine(state, "lt", numeric::DecimalIntegerText(lineType));
  state.CurLineType = lineType;
  state.ForceLineType = false;
}

void SetLineWidth(ExchangeState& state, std::int32_t width) {
  if (width == kHostLineWidth) width = state.InitialLineWidth;
  if (width < 0 || width > kMaxLineWidth) width = 0;
  if (!state.ForceLineWidth && width == state.CurLineWidth) return;
  AddKeywordLine(state, "lw", numeric::DecimalIntegerText(width));
  state.CurLineWidth = width;
  state.ForceLineWidth = false;
}

void SetPnColor(ExchangeState& state, std::int32_t color, std::int32_t mode) {
  if (mode == kListMode) color = MapColorNumber(state, color);
  if (!state.ForcePnColor && color == state.CurPnColor) return;
  AddKeywordLine(state, "pn", numeric::DecimalIntegerText(color));
  state.CurPnColor = color;
  state.ForcePnColor = false;
}

void SetTextType(ExchangeState& state, std::int32_t textType, std::int32_t color, std::int32_t mode,
                 double width, double height, double gap) {
  if (mode == kListMode) color = MapColorNumber(state, color);
  if (textType < 0 || textType > kMaxTextType) {
    textType = state.InitialTextType;
    if (textType == 0) {
      width = state.InitialTextWidth;
      height = state.InitialTextHeight;
      gap = state.InitialTextGap;
      color = state.InitialTextColor;
    }
  }
  const bool freeSizeChanged =
      textType == 0 && (width != state.CurTextWidth || height != state.CurTextHeight ||
                        gap != state.CurTextGap || color != state.CurTextColor);
  if (!state.ForceTextType && textType == state.CurTextType && !freeSizeChanged) return;
  if (textType != 0) {
    AddKeywordLine(state, "cn", numeric::DecimalIntegerText(textType));
  } else {
    std::string line = "cn0 ";
    line += numeric::GeneralNumberText(width);
    line += ' ';
    line += numeric::GeneralNumberText(height);
    line += ' ';
    line += numeric::GeneralNumberText(gap);
    line += ' ';
    line += numeric::GeneralNumberText(color);
    AddCommandLine(state, line);
    state.CurTextWidth = width;
    state.CurTextHeight = height;
    state.CurTextGap = gap;
    state.CurTextColor = color;
  }
  state.CurTextType = textType;
  state.ForceTextType = false;
}

void SetFontName(ExchangeState& state, std::string_view name) {
  if (name.empty() || name == "<>") name = state.InitialFontName;
  if (!state.ForceFontName && name == state.CurFontName) return;
  // The quote stops the host's field splitting, so a name with blanks stays whole.
  AddKeywordLine(state, "cn\"$", std::string(name));
  state.CurFontName.assign(name);
  state.ForceFontName = false;
}

}  // namespace morven::exchange
