#include "host/exchange_summary.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "exchange/file_lines.h"
#include "exchange/reader.h"
#include "host/host_error.h"

namespace morven::host {
namespace {

using exchange::RowKind;
using Memory = exchange::CommandWriterMemory;

struct ShownAttribute {
  RowKind Kind;
  ReportNames Names;
  std::int32_t Memory::*Value;  // the current value the line sets
};

// The attributes the program writes back, in the order of their rows.
constexpr ShownAttribute kShownAttributes[] = {
    {RowKind::kLayerGroup, {"layer group", "layerGroup"}, &Memory::CurLayerGroup},
    {RowKind::kLayer, {"layer", "layer"}, &Memory::CurLayer},
    {RowKind::kLineColor, {"line color", "lineColor"}, &Memory::CurLineColor},
    {RowKind::kLineType, {"line type", "lineType"}, &Memory::CurLineType},
    {RowKind::kLineWidth, {"line width", "lineWidth"}, &Memory::CurLineWidth},
    {RowKind::kFontName, {"font", "font"}, nullptr},
    {RowKind::kTextType, {"text type", "textType"}, &Memory::CurTextType},
    {RowKind::kPnColor, {"pen color", "penColor"}, &Memory::CurPnColor},
};

const ShownAttribute* ShownAttributeOf(RowKind kind) {
  for (const ShownAttribute& attribute : kShownAttributes) {
    if (attribute.Kind == kind) return &attribute;
  }
  return nullptr;
}

AttributeChange ChangeAfter(const ShownAttribute& attribute, const exchange::ExchangeState& s) {
  AttributeChange change;
  change.Kind = attribute.Kind;
  change.ElementsBefore = s.OrderList.size();
  if (attribute.Value != nullptr) change.Value = s.*attribute.Value;
  if (attribute.Kind == RowKind::kFontName) change.FontName = s.CurFontName;
  if (attribute.Kind == RowKind::kTextType) {
    change.TextWidth = s.CurTextWidth;
    change.TextHeight = s.CurTextHeight;
    change.TextGap = s.CurTextGap;
    change.TextColor = s.CurTextColor;
  }
  return change;
}

bool OnlyAHostWrites(RowKind kind) {
  return kind == RowKind::kFileName || kind == RowKind::kHostSetting ||
         kind == RowKind::kNumberedPoint || kind == RowKind::kHhpNumber;
}

}  // namespace

ExchangeSummary SummarizeExchange(std::string path, std::string_view bytes) {
  ExchangeSummary summary;
  summary.Path = std::move(path);
  exchange::ResetExchangeState(summary.State);
  std::size_t lines = 0;  // that are not blank
  bool hostInput = false;
  bool nothingDrawn = false;
  try {
    for (const std::string_view line : exchange::SplitFileLines(bytes)) {
      const exchange::AppliedRow row = exchange::ParseExchangeLine(summary.State, line);
      if (row.Kind == RowKind::kBlank) continue;
      ++lines;
      hostInput = hostInput || OnlyAHostWrites(row.Kind);
      nothingDrawn = row.Kind == RowKind::kNothingDrawn;
      if (row.Kind == RowKind::kElement) ++summary.ElementCounts[row.Element - 1];
      if (const ShownAttribute* attribute = ShownAttributeOf(row.Kind)) {
        summary.Changes.push_back(ChangeAfter(*attribute, summary.State));
      }
    }
  } catch (const std::exception&) {
    summary.ReadToEnd = false;
  }
  if (hostInput) {
    summary.Content = ContentKind::kHostInput;
  } else if (lines == 0) {
    summary.Content = ContentKind::kEmpty;
  } else {
    summary.Content =
        lines == 1 && nothingDrawn ? ContentKind::kNothingDrawn : ContentKind::kAnswer;
  }
  return summary;
}

ReportNames NamesOf(ContentKind kind) {
  switch (kind) {
    case ContentKind::kEmpty:
      return {"empty", "empty"};
    case ContentKind::kHostInput:
      return {"host input", "hostInput"};
    case ContentKind::kAnswer:
      return {"answer", "answer"};
    case ContentKind::kNothingDrawn:
      return {"nothing drawn (\"hq\")", "nothingDrawn"};
  }
  return {};
}

ReportNames NamesOf(RowKind attribute) {
  const ShownAttribute* shown = ShownAttributeOf(attribute);
  return shown != nullptr ? shown->Names : ReportNames{};
}

std::string ReadFileBytes(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) throw HostError("no such file: " + path);
  if (!std::filesystem::is_regular_file(status)) throw HostError("not a regular file: " + path);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw HostError("cannot open " + path);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw HostError("cannot read " + path);
  return bytes;
}

}  // namespace morven::host
