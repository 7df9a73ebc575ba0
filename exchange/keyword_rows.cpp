#include "exchange/keyword_rows.h"

#include <cstring>
#include <string_view>

#include "exchange/element_rows.h"
#include "exchange/exchange_file.h"
#include "exchange/token_numbers.h"
#include "numeric/shift_jis.h"

namespace morven::exchange {

namespace {

using std::string_view_literals::operator""sv;

constexpr int kHsSlots = 1 + kLayerGroupCount;
constexpr int kTextTypeRowSlots = 1 + kTextTypeCount;
constexpr int kMaxCcValue = 8;
constexpr int kMaxPointNumber = kHpPointCount - 1;
constexpr AppliedRow kNotThisRow = RowOf(RowKind::kNoRow);
constexpr std::string_view kTextKeywords[] = {"ch", "cv", "cs", "cr", "co",
                                              "cp", "ct", "ck", "cz", "c2"};

// The byte after a two-letter keyword as one hexadecimal digit; anything else reads as 0.
std::int32_t HexDigitAfterKeyword(std::string_view token) {
  if (token.size() < 3) return 0;
  const char c = token[2];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

std::int32_t IntAfter(std::string_view token, std::size_t keywordBytes) {
  return numeric::TextToInt(token.substr(std::min(keywordBytes, token.size())));
}

std::string_view After(std::string_view token, std::size_t keywordBytes) {
  return token.substr(std::min(keywordBytes, token.size()));
}

template <typename Table, typename Value>
void StoreAt(Table& table, std::size_t index, const Value& value) {
  if (index < table.size()) table[index] = value;
}

bool ApplyHostSetting(ExchangeState& state, const LineTokens& tokens) {
  const std::string_view keyword = tokens[0];
  const int slots = tokens.SlotCount();
  if (keyword == "hk"sv && slots >= 2) {
    state.HkAngle = RealToken(tokens, 1);
  } else if (keyword == "hs"sv && slots >= kHsSlots) {
    for (int g = 0; g < kLayerGroupCount; ++g) state.LayerGroupScale[g] = RealToken(tokens, g + 1);
  } else if (keyword == "hzs"sv && slots >= 3) {
    state.SheetWidth = RealToken(tokens, 1);
    state.SheetHeight = RealToken(tokens, 2);
  } else if (keyword == "hcw"sv && slots >= kTextTypeRowSlots) {
    for (int t = 0; t < kTextTypeCount; ++t) state.TextTypes[t].Width = RealToken(tokens, t + 1);
  } else if (keyword == "hch"sv && slots >= kTextTypeRowSlots) {
    for (int t = 0; t < kTextTypeCount; ++t) state.TextTypes[t].Height = RealToken(tokens, t + 1);
  } else if (keyword == "hcd"sv && slots >= kTextTypeRowSlots) {
    for (int t = 0; t < kTextTypeCount; ++t) state.TextTypes[t].Gap = RealToken(tokens, t + 1);
  } else if (keyword == "hcc"sv && slots >= kTextTypeRowSlots) {
    for (int t = 0; t < kTextTypeCount; ++t) state.TextTypes[t].Color = IntToken(tokens, t + 1);
  } else if (keyword == "hn"sv && slots >= 5) {
    for (int i = 0; i < 4; ++i) state.HnValues[i] = RealToken(tokens, i + 1);
  } else {
    return false;
  }
  return true;
}

// "hp" followed by the point's number and an optional "-", "ln", "ci" or "ch".
void ApplyNumberedPoint(ExchangeState& state, const LineTokens& tokens) {
  const std::string_view token = tokens[0];
  std::string_view name = After(token, 2);
  std::int32_t kind = 0;
  constexpr std::string_view kSuffixes[] = {"-", "ln", "ci", "ch"};
  for (std::int32_t k = 0; k < 4; ++k) {
    const std::size_t at = numeric::FindWhole(token, kSuffixes[k]);
    if (at == std::string_view::npos) continue;
    name = at >= 2 ? token.substr(2, at - 2) : std::string_view();
    kind = k + 1;
  }
  const std::int32_t number = numeric::TextToInt(name);
  if (number < 1 || number > kMaxPointNumber) return;
  HpPoint point;
  point.Defined = true;
  point.X = RealToken(tokens, 1);
  point.Y = RealToken(tokens, 2);
  point.Kind = kind;
  StoreAt(state.HpPoints, static_cast<std::size_t>(number), point);
  ++state.HpPointCount;
}

void ApplyHhpNumber(ExchangeState& state, std::string_view token) {
  std::size_t length = token.size();
  for (const std::string_view suffix : {"ln"sv, "ci"sv, "ch"sv}) {
    const std::size_t at = numeric::FindWhole(token, suffix);  // 0-based, so byte position at + 1
    if (at != std::string_view::npos && at + 1 > 4) length = at - 3;
  }
  state.HhpNumber = numeric::TextToInt(After(token, 3).substr(0, length));
}

AppliedRow ApplyHRow(ExchangeState& state, const LineTokens& tokens) {
  if (ApplyHostSetting(state, tokens)) return RowOf(RowKind::kHostSetting);
  const std::string_view keyword = tokens[0];
  if (keyword.starts_with("hp"sv) && tokens.SlotCount() >= 3) {
    ApplyNumberedPoint(state, tokens);
    return RowOf(RowKind::kNumberedPoint);
  }
  if (keyword.starts_with("hhp"sv)) {
    ApplyHhpNumber(state, keyword);
    return RowOf(RowKind::kHhpNumber);
  }
  return kNotThisRow;
}

AppliedRow ApplyLayerRow(ExchangeState& state, const LineTokens& tokens) {
  const std::string_view keyword = tokens[0];
  const bool hasArgument = tokens.SlotCount() >= 2;
  if (keyword.starts_with("lgn"sv)) {
    StoreAt(state.LayerGroupName, static_cast<std::size_t>(state.CurLayerGroup),
            std::string(After(keyword, 3)));
    return RowOf(RowKind::kLayerGroupName);
  }
  if (keyword.starts_with("lyn"sv)) {
    StoreAt(state.LayerName,
            static_cast<std::size_t>(state.CurLayerGroup) * kLayerGroupCount +
                static_cast<std::size_t>(state.CurLayer),
            std::string(After(keyword, 3)));
    return RowOf(RowKind::kLayerName);
  }
  if (keyword.starts_with("lg"sv)) {
    const std::int32_t group = HexDigitAfterKeyword(keyword);
    if (state.ForceLayerGroup) {
      state.InitialLayerGroup = group;
      state.ForceLayerGroup = false;
    }
    state.CurLayerGroup = group;
    if (hasArgument) StoreAt(state.LayerGroupArg, group, IntToken(tokens, 1));
    return RowOf(RowKind::kLayerGroup);
  }
  if (keyword.starts_with("ly"sv)) {
    const std::int32_t layer = HexDigitAfterKeyword(keyword);
    if (state.ForceLayer) {
      state.InitialLayer = layer;
      state.ForceLayer = false;
    }
    state.CurLayer = layer;
    if (hasArgument) {
      StoreAt(state.LayerArg,
              static_cast<std::size_t>(state.CurLayerGroup) * kLayerGroupCount +
                  static_cast<std::size_t>(layer),
              IntToken(tokens, 1));
    }
    return RowOf(RowKind::kLayer);
  }
  if (keyword.starts_with("lc"sv)) {
    const std::int32_t color = IntAfter(keyword, 2);
    if (state.ForceLineColor) {
      state.InitialLineColor = color;
      state.ForceLineColor = false;
    }
    state.CurLineColor = color;
    if (color == 10 && hasArgument) state.CurExtColor = IntToken(tokens, 1);
    return RowOf(RowKind::kLineColor);
  }
  if (keyword.starts_with("lt"sv)) {
    const std::int32_t type = IntAfter(keyword, 2);
    if (state.ForceLineType) {
      state.InitialLineType = type;
      state.ForceLineType = false;
    }
    state.CurLineType = type;
    return RowOf(RowKind::kLineType);
  }
  if (keyword.starts_with("lw"sv)) {
    const std::int32_t width = IntAfter(keyword, 2);
    if (state.ForceLineWidth) {
      state.InitialLineWidth = width;
      state.ForceLineWidth = false;
    }
    state.CurLineWidth = width;
    return RowOf(RowKind::kLineWidth);
  }
  return kNotThisRow;
}

void ApplyTextType(ExchangeState& state, const LineTokens& tokens) {
  const std::int32_t type = IntAfter(tokens[0], 2);
  const bool freeSize = type == 0 && tokens.SlotCount() >= 5;
  if (state.ForceTextType) {
    state.InitialTextType = type;
    if (freeSize) {
      state.InitialTextWidth = RealToken(tokens, 1);
      state.InitialTextHeight = RealToken(tokens, 2);
      state.InitialTextGap = RealToken(tokens, 3);
      state.InitialTextColor = IntToken(tokens, 4);
    }
    state.ForceTextType = false;
  }
  state.CurTextType = type;
  if (freeSize) {
    state.CurTextWidth = RealToken(tokens, 1);
    state.CurTextHeight = RealToken(tokens, 2);
    state.CurTextGap = RealToken(tokens, 3);
    state.CurTextColor = IntToken(tokens, 4);
  }
}

AppliedRow ApplyCRow(ExchangeState& state, const LineTokens& tokens) {
  const std::string_view keyword = tokens[0];
  const int slots = tokens.SlotCount();
  if (keyword.starts_with("cn$"sv)) {
    const std::string_view name = After(keyword, 3);
    if (state.InitialFontName.empty()) state.InitialFontName.assign(name);
    state.CurFontName.assign(name);
    return RowOf(RowKind::kFontName);
  }
  if (keyword.starts_with("cn"sv)) {
    ApplyTextType(state, tokens);
    return RowOf(RowKind::kTextType);
  }
  if (keyword.starts_with("cc"sv)) {
    const std::int32_t value = numeric::TextToInt(keyword.substr(2, 1));
    state.CurCcValue = value < 0 || value > kMaxCcValue ? 0 : value;
    return RowOf(RowKind::kCcValue);
  }
  if (keyword == "ci"sv) {
    if (slots == 4) {
      AppendCircle(state, tokens);
      return ElementRow(kCircle);
    }
    if (slots >= 8) {
      AppendArc(state, tokens);
      return ElementRow(kArc);
    }
    return kNotThisRow;
  }
  if (slots < 6) return kNotThisRow;
  for (std::int32_t variant = 0; variant < 10; ++variant) {
    if (keyword == kTextKeywords[variant]) return ElementRow(AppendText(state, tokens, variant));
  }
  return kNotThisRow;
}

AppliedRow ApplyZRow(ExchangeState& state, std::string_view keyword) {
  if (keyword.size() != 2 || keyword[1] < '1' || keyword[1] > '5') return kNotThisRow;
  state.ZFlags |= 1 << (keyword[1] - '1');
  return RowOf(RowKind::kZFlag);
}

AppliedRow ApplyPRow(ExchangeState& state, const LineTokens& tokens) {
  const std::string_view keyword = tokens[0];
  const int slots = tokens.SlotCount();
  if (keyword.starts_with("pn"sv)) {
    state.CurPnColor = IntAfter(keyword, 2);
    return RowOf(RowKind::kPnColor);
  }
  if (keyword == "pl"sv) {
    ++state.PolylineCount;
    state.PolylineMode = true;
    state.MessageMode = false;
    return RowOf(RowKind::kPolylineStart);
  }
  if (keyword == "pt"sv && slots == 3) {
    AppendPoint(state, tokens);
    return ElementRow(kPoint);
  }
  if (keyword == "pt"sv && slots >= 6) {
    AppendPointEx(state, tokens);
    return ElementRow(kPointEx);
  }
  return kNotThisRow;
}

AppliedRow ApplySRow(ExchangeState& state, const LineTokens& tokens) {
  const std::string_view keyword = tokens[0];
  const int slots = tokens.SlotCount();
  if (keyword == "sl"sv) {
    if (slots == 5) return ElementRow(AppendSurface(state, tokens, 2));
    if (slots == 7) return ElementRow(AppendSurface(state, tokens, 3));
    if (slots >= 9) return ElementRow(AppendSurface(state, tokens, 4));
    return kNotThisRow;
  }
  if (slots < 9) return kNotThisRow;
  if (keyword == "sc"sv) {
    AppendScOrSe(state, tokens, kSc);
    return ElementRow(kSc);
  }
  if (keyword == "se"sv) {
    AppendScOrSe(state, tokens, kSe);
    return ElementRow(kSe);
  }
  if (keyword == "so"sv) {
    AppendSoOrSg(state, tokens, kSo);
    return ElementRow(kSo);
  }
  if (keyword == "sg"sv) {
    AppendSoOrSg(state, tokens, kSg);
    return ElementRow(kSg);
  }
  return kNotThisRow;
}

// Every keyword but "file=" and the plain line segment. Keywords with different first bytes never
// compete, so a switch on the first byte keeps the table's order.
AppliedRow ApplyKeywordRow(ExchangeState& state, const LineTokens& tokens) {
  const std::string_view keyword = tokens[0];
  switch (keyword.front()) {
    case 'h':
      return ApplyHRow(state, tokens);
    case 'b':
      if (keyword != "bz"sv) return kNotThisRow;
      state.BzFlag = true;
      return RowOf(RowKind::kHostSetting);
    case 'l':
      return ApplyLayerRow(state, tokens);
    case 'c':
      return ApplyCRow(state, tokens);
    case 'z':
      return ApplyZRow(state, keyword);
    case 'p':
      return ApplyPRow(state, tokens);
    case 'm':
      if (keyword != "msg"sv) return kNotThisRow;
      state.MessageMode = true;
      state.PolylineMode = false;
      return RowOf(RowKind::kMessageStart);
    case '#':
      if (keyword != "#"sv) return kNotThisRow;
      state.PolylineMode = false;
      state.MessageMode = false;
      return RowOf(RowKind::kModeEnd);
    case 'B':
      if (keyword != "BL"sv || tokens.SlotCount() < 4) return kNotThisRow;
      AppendBlock(state, tokens);
      return ElementRow(kBlock);
    case 's':
      return ApplySRow(state, tokens);
    default:
      return kNotThisRow;
  }
}

bool ApplyFileName(ExchangeState& state, std::string_view keyword) {
  if (std::memchr(keyword.data(), '=', keyword.size()) == nullptr) return false;
  if (numeric::FindWhole(keyword, "file="sv) == std::string_view::npos) return false;
  state.HostFileName.assign(After(keyword, 5));
  return true;
}

}  // namespace

AppliedRow ApplyLineTokens(ExchangeState& state, const LineTokens& tokens) {
  if (tokens.IsBlank()) return RowOf(RowKind::kBlank);
  const std::string_view keyword = tokens[0];
  if (!keyword.empty()) {
    // A plain line holds no equals sign, so it cannot name the file.
    if (!tokens.IsPlain() && ApplyFileName(state, keyword)) return RowOf(RowKind::kFileName);
    if (const AppliedRow row = ApplyKeywordRow(state, tokens); row.Kind != RowKind::kNoRow) {
      return row;
    }
  }
  if (tokens.SlotCount() == 4) return ApplyFourNumberLine(state, tokens);
  return RowOf(keyword == kNothingDrawnLine ? RowKind::kNothingDrawn : RowKind::kNoRow);
}

}  // namespace morven::exchange
