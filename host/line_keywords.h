#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a line of an exchange file is, judged by its first token the way the reader splits it.
namespace morven::host {

enum class AttributeKind {
  LayerGroup,
  Layer,
  LineColor,
  LineType,
  LineWidth,
  PenColor,
  TextType,
  FontName
};

// Token 0 of the line: blanks and tabs separate, a double quote is dropped and an equals sign
// kept, and either ends the splitting; control bytes are dropped. "cn\"$<font>" -> "cn$<font>".
std::string FirstToken(std::string_view line);

// True for the lines only a host writes: settings, numbered points and the file name.
bool IsHostHeaderToken(std::string_view token0);

// The attribute a line sets, for the lines the program writes back ("lgn" and "lyn" name a
// layer and are not attribute changes).
std::optional<AttributeKind> AttributeOfToken(std::string_view token0);

}  // namespace morven::host
