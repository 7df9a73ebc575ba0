#include "host/line_keywords.h"

#include <array>

#include "exchange/line_tokens.h"

namespace morven::host {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::string FirstToken(std::string_view line) {
  exchange::LineTokens tokens;
  tokens.Split(line);
  return std::string(tokens[0]);
}

bool IsHostHeaderToken(std::string_view token0) {
  static constexpr std::array<std::string_view, 9> kSettings = {"hk",  "hs",  "hzs", "hcw", "hch",
                                                                "hcd", "hcc", "bz",  "hn"};
  for (std::string_view keyword : kSettings) {
    if (token0 == keyword) return true;
  }
  return StartsWith(token0, "hp") || StartsWith(token0, "hhp") ||
         token0.find("file=") != std::string_view::npos;
}

std::optional<AttributeKind> AttributeOfToken(std::string_view token0) {
  if (token0.find("file=") != std::string_view::npos) return std::nullopt;
  if (StartsWith(token0, "lgn") || StartsWith(token0, "lyn")) return std::nullopt;
  if (StartsWith(token0, "lg")) return AttributeKind::LayerGroup;
  if (StartsWith(token0, "ly")) return AttributeKind::Layer;
  if (StartsWith(token0, "lc")) return AttributeKind::LineColor;
  if (StartsWith(token0, "lt")) return AttributeKind::LineType;
  if (StartsWith(token0, "lw")) return AttributeKind::LineWidth;
  if (StartsWith(token0, "cn$")) return AttributeKind::FontName;
  if (StartsWith(token0, "cn")) return AttributeKind::TextType;
  if (StartsWith(token0, "pn")) return AttributeKind::PenColor;
  return std::nullopt;
}

}  // namespace morven::host
