#pragma once

#include <string>

namespace morven::exchange {
struct ExchangeState;
}

namespace morven::host {

// The answer as an SVG picture in drawing units with y pointing up (one group flips y; every
// coordinate inside it is the drawing's own): the picked points numbered, lines, dimension lines
// with their value texts at their start points, texts, circles, points and end marks by kind.
// The host's input supplies the picked points, the layer-group scales and the text types.
// Throws HostError when the drawing's coordinates are too large to draw.
std::string DrawAnswerSvg(const exchange::ExchangeState& hostInput,
                          const exchange::ExchangeState& answer);

}  // namespace morven::host
