#include "host/host_input.h"

#include "numeric/number_text.h"

namespace morven::host {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string Num(double x) {
  return numeric::GeneralNumberText(x);
}

std::string Int(std::int32_t v) {
  return numeric::DecimalIntegerText(v);
}

template <typename Field>
std::string TextTypeLine(const char* keyword, const std::array<exchange::TextTypeInfo, 10>& types,
                         Field field) {
  std::string line = keyword;
  for (const auto& t : types) line += " " + field(t);
  return line + kLineEnd;
}

}  // namespace

std::array<exchange::TextTypeInfo, exchange::kTextTypeCount> DefaultTextTypes() {
  constexpr double kSizes[] = {2.5, 3, 3.5, 4, 5, 6, 7, 8, 10, 12};
  constexpr std::int32_t kColors[] = {1, 1, 1, 2, 2, 2, 3, 3, 4, 4};
  std::array<exchange::TextTypeInfo, exchange::kTextTypeCount> types{};
  for (std::size_t i = 0; i < types.size(); ++i) types[i] = {kSizes[i], kSizes[i], 0.0, kColors[i]};
  return types;
}

std::string BuildExchangeText(const HostInput& input) {
  auto types = DefaultTextTypes();
  const bool typeSized = input.TextSize && input.TextType >= 1 && input.TextType <= 10;
  if (typeSized) {
    const exchange::TextTypeInfo& size = *input.TextSize;
    types[static_cast<std::size_t>(input.TextType - 1)] = {size.Width, size.Height, size.Gap,
                                                           size.Color};
  }

  std::string text = "hk " + Num(input.Angle) + kLineEnd;
  text += "hs";
  for (int group = 0; group < exchange::kLayerGroupCount; ++group) {
    text += " " + Num(group == input.LayerGroup ? input.Scale : 1.0);
  }
  text += kLineEnd;
  text += TextTypeLine("hcw", types, [](const auto& t) { return Num(t.Width); });
  text += TextTypeLine("hch", types, [](const auto& t) { return Num(t.Height); });
  text += TextTypeLine("hcd", types, [](const auto& t) { return Num(t.Gap); });
  text += TextTypeLine("hcc", types, [](const auto& t) { return Int(t.Color); });

  text += "lg" + numeric::HexIntegerText(input.LayerGroup) + kLineEnd;
  text += "ly" + numeric::HexIntegerText(input.Layer) + kLineEnd;
  text += "lc" + Int(input.Color) + kLineEnd;
  text += std::string("lt1") + kLineEnd;
  text += std::string("lw1") + kLineEnd;
  if (input.TextType == 0) {
    const exchange::TextTypeInfo size = input.TextSize.value_or(kDefaultFreeTextSize);
    text += "cn0 " + Num(size.Width) + " " + Num(size.Height) + " " + Num(size.Gap) + " " +
            Int(size.Color) + kLineEnd;
  } else {
    text += "cn" + Int(input.TextType) + kLineEnd;
  }
  // The quote keeps the blank inside the font name.
  text += std::string("cn\"$") + exchange::kDefaultFontName + kLineEnd;

  if (input.Points) {
    for (std::size_t i = 0; i < 3; ++i) {
      const numeric::Point& p = (*input.Points)[i];
      text += "hp" + std::to_string(i + 1) + " " + Num(p.x) + " " + Num(p.y) + kLineEnd;
    }
  }
  return text;
}

}  // namespace morven::host
