#include <string>
#include <utility>

#include "exchange/command_writer.h"
#include "exchange/exchange_state.h"
#include "numeric/shift_jis.h"

namespace morven::exchange {

namespace {

void AddEntry(ExchangeState& state, std::string_view line, bool joinsNext) {
  std::string entry = numeric::WithoutLineBreaks(line);
  entry.resize(numeric::CutWhole(entry, kMaxCommandLineBytes).size());
  state.CommandBuffer.Append() = CommandEntry{std::move(entry), joinsNext};
}

}  // namespace

void AddCommandLine(ExchangeState& state, std::string_view line) {
  AddEntry(state, line, false);
}

void AddTextCommand(ExchangeState& state, std::string_view head, std::string_view text) {
  AddEntry(state, head, true);
  AddEntry(state, text, false);
}

}  // namespace morven::exchange
