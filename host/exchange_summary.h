#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
#include "host/line_keywords.h"

// An exchange file as the project's reader understands it, with the order in which a written-back
// answer changes its attributes between the elements.
namespace morven::host {

enum class ContentKind {
  Empty,         // no line the reader would look at
  HostInput,     // settings or numbered points from a host
  Answer,        // drawing commands only, as the program writes them back
  NothingDrawn,  // the single line "hq"
};

struct AttributeChange {
  AttributeKind Kind = AttributeKind::LayerGroup;
  std::size_t ElementsBefore = 0;  // elements read before this line
  std::int32_t Value = 0;          // the number the reader took from the line
  double TextWidth = 0.0, TextHeight = 0.0, TextGap = 0.0;  // text type 0 only
  std::int32_t TextColor = 0;                               // text type 0 only
  std::string FontName;                                     // Shift_JIS
};

struct ExchangeSummary {
  std::string Path;
  ContentKind Content = ContentKind::Empty;
  bool ReadToEnd = true;  // false when the reader stopped part-way
  exchange::ExchangeState State;
  std::vector<AttributeChange> Changes;
};

// Throws HostError when the file is missing or cannot be opened.
ExchangeSummary ReadExchangeSummary(const std::string& path);

// The whole file as bytes; throws HostError when it is missing, not a file or unreadable.
std::string ReadFileBytes(const std::string& path);

}  // namespace morven::host
