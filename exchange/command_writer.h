#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The command writer: turns drawing requests into command lines of the host and appends them to
// the state's command buffer. Attribute lines are written only on a change or when forced.
// Numbers in the file always use "." whatever the regional settings.
namespace morven::exchange {

struct ExchangeState;

inline constexpr std::size_t kMaxCommandLineBytes = 255;

// Appends the line, cut before a double-byte character that would not fit in 255 bytes, with
// CR and LF dropped.
void AddCommandLine(ExchangeState& state, std::string_view line);

// Appends a text head (such as `cs X Y DX DY "`) and its text, each as AddCommandLine does; the
// write-back puts the two on one file line.
void AddTextCommand(ExchangeState& state, std::string_view head, std::string_view text);

void SetLayerGroup(ExchangeState& state, std::int32_t group);
void SetLayer(ExchangeState& state, std::int32_t layer);
void SetLineColor(ExchangeState& state, std::int32_t color, std::int32_t mode);
void SetLineType(ExchangeState& state, std::int32_t lineType, std::int32_t mode);
void SetLineWidth(ExchangeState& state, std::int32_t width);
void SetPnColor(ExchangeState& state, std::int32_t color, std::int32_t mode);
void SetTextType(ExchangeState& state, std::int32_t textType, std::int32_t color, std::int32_t mode,
                 double width, double height, double gap);
void SetFontName(ExchangeState& state, std::string_view name);
void PutEntityFlags(ExchangeState& state, std::uint8_t flags);
void PutLine(ExchangeState& state, double x1, double y1, double x2, double y2);
void PutMarkPoint(ExchangeState& state, std::int32_t kind, double x, double y, double scale,
                  double angle);
void PutDimensionText(ExchangeState& state, std::string_view text, double x1, double y1, double x2,
                      double y2, double x, double y, double dx, double dy);

std::int32_t MapColorNumber(const ExchangeState& state, std::int32_t n);
std::int32_t MapLineTypeNumber(const ExchangeState& state, std::int32_t n);

}  // namespace morven::exchange
