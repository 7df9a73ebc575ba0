#include "host/exchange_summary.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "exchange/file_lines.h"
#include "exchange/reader.h"
#include "host/host_error.h"

namespace morven::host {
namespace {

ContentKind ClassifyContent(const std::vector<std::string_view>& lines) {
  std::size_t nonBlank = 0;
  bool onlyHq = true;
  for (std::string_view line : lines) {
    const std::string token0 = FirstToken(line);
    if (token0.empty()) continue;
    ++nonBlank;
    if (IsHostHeaderToken(token0)) return ContentKind::HostInput;
    if (token0 != "hq") onlyHq = false;
  }
  if (nonBlank == 0) return ContentKind::Empty;
  return nonBlank == 1 && onlyHq ? ContentKind::NothingDrawn : ContentKind::Answer;
}

AttributeChange ChangeFromState(AttributeKind kind, const exchange::ExchangeState& state) {
  AttributeChange change;
  change.Kind = kind;
  change.ElementsBefore = state.OrderList.size();
  switch (kind) {
    case AttributeKind::LayerGroup:
      change.Value = state.CurLayerGroup;
      break;
    case AttributeKind::Layer:
      change.Value = state.CurLayer;
      break;
    case AttributeKind::LineColor:
      change.Value = state.CurLineColor;
      break;
    case AttributeKind::LineType:
      change.Value = state.CurLineType;
      break;
    case AttributeKind::LineWidth:
      change.Value = state.CurLineWidth;
      break;
    case AttributeKind::PenColor:
      change.Value = state.CurPnColor;
      break;
    case AttributeKind::FontName:
      change.FontName = state.CurFontName;
      break;
    case AttributeKind::TextType:
      change.Value = state.CurTextType;
      change.TextWidth = state.CurTextWidth;
      change.TextHeight = state.CurTextHeight;
      change.TextGap = state.CurTextGap;
      change.TextColor = state.CurTextColor;
      break;
  }
  return change;
}

// Replays the lines through the reader on a scratch state to see each attribute line's value and
// how many elements came before it; the elements themselves are taken from the real read.
std::vector<AttributeChange> CollectChanges(const std::vector<std::string_view>& lines) {
  auto scratch = std::make_unique<exchange::ExchangeState>();
  exchange::ResetExchangeState(*scratch);
  std::vector<AttributeChange> changes;
  for (std::string_view line : lines) {
    try {
      exchange::ParseExchangeLine(*scratch, line);
    } catch (const std::exception&) {
      break;  // the reader stops at the same line
    }
    if (auto kind = AttributeOfToken(FirstToken(line))) {
      changes.push_back(ChangeFromState(*kind, *scratch));
    }
  }
  return changes;
}

}  // namespace

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

ExchangeSummary ReadExchangeSummary(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  const std::vector<std::string_view> lines = exchange::SplitFileLines(bytes);

  ExchangeSummary summary;
  summary.Path = path;
  exchange::ResetExchangeState(summary.State);
  try {
    summary.ReadToEnd = exchange::ReadExchangeFile(summary.State, path);
  } catch (const std::exception&) {
    summary.ReadToEnd = false;
  }
  summary.Content = ClassifyContent(lines);
  if (summary.Content == ContentKind::Answer) summary.Changes = CollectChanges(lines);
  return summary;
}

}  // namespace morven::host
