#pragma once

#include <cstdint>
#include <string_view>

// Names used in the reports for element kinds, numbered-point kinds, z flags and mark kinds.
namespace morven::host {

// "line", "circle", ..., "pointEx", "message", ...; "unknown" outside 1..15.
std::string_view ElementKindName(std::int32_t kind);

// "", "-", "ln", "ci", "ch" for numbered-point kinds 0..4.
std::string_view PointKindSuffix(std::int32_t kind);

// The dialog's list character of a mark kind 1..11 in UTF-8 ("△", "□", ...); empty otherwise.
std::string_view MarkSymbol(std::int32_t kind);

// "z1 z3" for the bits set in the 5-bit flag set; empty for none.
std::string ZFlagsText(std::int32_t flags);

}  // namespace morven::host
