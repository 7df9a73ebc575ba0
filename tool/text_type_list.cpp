#include "tool/text_type_list.h"

#include "exchange/exchange_state.h"
#include "numeric/number_text.h"

namespace morven::tool {
namespace {

// "現在の文字種("
constexpr const char* kCurrentTextType = "\x8C\xBB\x8D\xDD\x82\xCC\x95\xB6\x8E\x9A\x8E\xED(";

}  // namespace

std::vector<std::string> TextTypeListItems(const exchange::ExchangeState& state,
                                           numeric::Separators separators) {
  std::vector<std::string> items;
  items.reserve(1 + exchange::kTextTypeCount);
  std::string current = kCurrentTextType;
  if (state.InitialTextType == 0) {
    current += "Free)";
  } else {
    current += "No" + numeric::DecimalIntegerText(state.InitialTextType) + ")";
  }
  items.push_back(std::move(current));
  for (int n = 1; n <= exchange::kTextTypeCount; ++n) {
    const exchange::TextTypeInfo& type = state.TextTypes[n - 1];
    items.push_back("No" + numeric::DecimalIntegerText(n) + ":" + " W" +
                    numeric::GeneralNumberText(type.Width, separators) + " H" +
                    numeric::GeneralNumberText(type.Height, separators) + " D" +
                    numeric::GeneralNumberText(type.Gap, separators));
  }
  return items;
}

}  // namespace morven::tool
