#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "exchange/exchange_state.h"
#include "numeric/geometry.h"

// The exchange file a host writes before it starts the program.
namespace morven::host {

struct HostInput {
  std::optional<std::array<numeric::Point, 3>> Points;  // written as hp1, hp2, hp3
  double Angle = 0.0;
  double Scale = 1.0;  // the scale of the current layer group; every other group has 1
  std::int32_t LayerGroup = 0;
  std::int32_t Layer = 0;
  std::int32_t Color = 1;
  std::int32_t TextType = 1;                       // 0 is the free size
  std::optional<exchange::TextTypeInfo> TextSize;  // of TextType; the free size when TextType is 0
};

// The host's ten text types when none is given: type n is n-th of the usual paper sizes.
std::array<exchange::TextTypeInfo, exchange::kTextTypeCount> DefaultTextTypes();

// The free text size when none is given.
inline constexpr exchange::TextTypeInfo kDefaultFreeTextSize{2.5, 2.5, 0.0, 1};

// The file's bytes (Shift_JIS, CR LF): hk, hs, hcw, hch, hcd, hcc, the current attributes lg,
// ly, lc, lt, lw, cn, the font line, and hp1 to hp3.
std::string BuildExchangeText(const HostInput& input);

}  // namespace morven::host
