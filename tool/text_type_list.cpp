#include "tool/text_type_list.h"

#include "exchange/exchange_state.h"
#include "numeric/number_text.h"

namespace Unit1 {
namespace {

// "現在の文字種("
constexpr const char* kCurrentTextType = "\x8C\xBB\x8D\xDD\x82\xCC\x95\xB6\x8E\x9A\x8E\xED(";

}  // namespace

std::vector<std::string> TextTypeListItems(const HostExchange::ExchangeState& state,
                                           MyFunc::Separators separators) {
  std::vector<std::string> items;
  items.reserve(1 + HostExchange::kTextTypeCount);
  std::string current = kCurrentTextType;
  if (state.InitialTextType == 0) {
    current += "Free)";
  } else {
    current += "No" + MyFunc::DecimalIntegerText(state.InitialTextType) + ")";
  }
  items.push_back(std::move(current));
  for (int n = 1; n <= HostExchange::kTextTypeCount; ++n) {
    const HostExchange::TextTypeInfo& type = state.TextTypes[n - 1];
    items.push_back("No" + MyFunc::DecimalIntegerText(n) + ":" + " W" +
                    MyFunc::GeneralNumberText(type.Width, separators) + " H" +
                    MyFunc::GeneralNumberText(type.Height, separators) + " D" +
                    MyFunc::GeneralNumberText(type.Gap, separators));
  }
  return items;
}

}  // namespace Unit1
