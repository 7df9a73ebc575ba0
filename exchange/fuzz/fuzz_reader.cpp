// Feeds arbitrary bytes to the exchange-file reader, in chunks of 1 to 16 bytes so that every
// line-end rule meets a chunk boundary, and checks what the records may hold.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "exchange/command_writer.h"
#include "exchange/exchange_state.h"
#include "exchange/file_lines.h"
#include "exchange/keyword_rows.h"
#include "exchange/line_tokens.h"
#include "numeric/float_error.h"
#include "numeric/number_text.h"
#include "numeric/shift_jis.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// The reader's in-place number reading must give what the plain reading of a copy gives, to the
// bit, or fail the same way.
void CheckNumbersReadInPlace(const morven::exchange::LineTokens& tokens) {
  for (int slot = 0; slot < tokens.SlotCount(); ++slot) {
    const std::string_view token = tokens[slot];
    double inPlace = 0.0;
    double copied = 0.0;
    bool inPlaceFailed = false;
    bool copiedFailed = false;
    try {
      inPlace = morven::numeric::TextToRealPadded(token);
    } catch (const morven::numeric::FloatingPointError&) {
      inPlaceFailed = true;
    }
    try {
      copied = morven::numeric::TextToReal(std::string(token));
    } catch (const morven::numeric::FloatingPointError&) {
      copiedFailed = true;
    }
    Check(inPlaceFailed == copiedFailed);
    Check(std::memcmp(&inPlace, &copied, sizeof inPlace) == 0);
  }
}

bool WholeText(std::string_view text) {
  return text.size() <= 255 && morven::numeric::CutWhole(text, 255).size() == text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = 1 + size % 16;
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (file == nullptr) return 0;

  morven::exchange::ExchangeState state;
  morven::exchange::ResetExchangeState(state);
  {
    morven::exchange::FileLines lines(file, chunk);
    morven::exchange::LineTokens tokens;
    while (const auto line = lines.Next()) {
      Check(line->empty() || line->back() != '\r');
      tokens.SplitPadded(*line);
      Check(tokens.SlotCount() >= 1 && tokens.SlotCount() <= morven::exchange::kTokenSlots);
      CheckNumbersReadInPlace(tokens);
      morven::exchange::ApplyLineTokens(state, tokens);
    }
  }
  std::fclose(file);

  for (std::size_t i = 0; i < state.Texts.size(); ++i) {
    Check(WholeText(state.Texts[i].Text) && WholeText(state.Texts[i].FontName));
  }
  for (std::size_t i = 0; i < state.OrderList.size(); ++i) {
    const morven::exchange::OrderEntry& entry = state.OrderList[i];
    Check(entry.Kind >= morven::exchange::kLine && entry.Kind <= morven::exchange::kSg &&
          entry.Index >= 0);
  }
  for (const auto& point : state.HpPoints) Check(point.Kind >= 0 && point.Kind <= 4);
  Check(!state.HpPoints[0].Defined);
  Check(state.CurLayerGroup >= 0 && state.CurLayerGroup <= 15);

  // Whatever the text, a command entry stays one bounded line of whole characters.
  morven::exchange::ResetCommandWriter(state);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  morven::exchange::PutDimensionText(state, text, 0, 0, 1, 0, 0, 0, 10, 0);
  morven::exchange::SetFontName(state, text);
  for (std::size_t i = 0; i < state.CommandBuffer.size(); ++i) {
    const std::string_view entry = state.CommandBuffer[i].Text;
    Check(WholeText(entry) && entry.find_first_of("\r\n") == std::string_view::npos);
  }
  morven::exchange::ReleaseExchangeState(state);
  return 0;
}
