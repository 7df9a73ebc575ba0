#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/applied_row.h"
#include "exchange/exchange_state.h"

// An exchange file as the project's reader understands it, with the order in which a written-back
// answer changes its attributes between the elements.
namespace morven::host {

enum class ContentKind {
  kEmpty,         // no line the reader would look at
  kHostInput,     // settings, numbered points or the file name, which only a host writes
  kAnswer,        // drawing commands only, as the program writes them back
  kNothingDrawn,  // the single line "hq"
};

// An attribute line that the drawing lists: layer group, layer, line colour, line type, line
// width, pen colour, text type or font.
struct AttributeChange {
  exchange::RowKind Kind = exchange::RowKind::kLayerGroup;
  std::size_t ElementsBefore = 0;  // elements read before this line
  std::int32_t Value = 0;          // the number the reader took from the line
  double TextWidth = 0.0, TextHeight = 0.0, TextGap = 0.0;  // text type 0 only
  std::int32_t TextColor = 0;                               // text type 0 only
  std::string FontName;                                     // Shift_JIS
};

inline constexpr std::size_t kElementKindCount = 15;

struct ExchangeSummary {
  std::string Path;
  ContentKind Content = ContentKind::kEmpty;
  bool ReadToEnd = true;  // false when the reader stopped part-way
  exchange::ExchangeState State;
  std::vector<AttributeChange> Changes;
  std::array<std::size_t, kElementKindCount> ElementCounts{};  // [kind - 1]
};

// The file's bytes read through the reader, line by line in one pass: its state, what kind of
// file it is, the attribute changes between the elements and the number of elements of each kind.
ExchangeSummary SummarizeExchange(std::string path, std::string_view bytes);

// What the reports call a kind of content or an attribute: "host input" and "layer group" in the
// text, "hostInput" and "layerGroup" in JSON. Empty for a row that is no listed attribute.
struct ReportNames {
  std::string_view Text;
  std::string_view Json;
};
ReportNames NamesOf(ContentKind kind);
ReportNames NamesOf(exchange::RowKind attribute);

// The whole file as bytes; throws HostError when it is missing, not a file or unreadable.
std::string ReadFileBytes(const std::string& path);

}  // namespace morven::host
