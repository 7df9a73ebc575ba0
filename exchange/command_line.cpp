#include <string>
#include <utility>

#include "exchange/command_writer.h"
#include "exchange/exchange_state.h"
#include "exchange/shift_jis_text.h"

namespace morven::exchange {

namespace {

void AddEntry(ExchangeState& state, std::string_view line, bool joinsNext) {
  // A CR or LF inside an entry would break the file line and let a text inject a command.
  std::string entry;
  entry.reserve(std::min(line.size(), kMaxCommandLineBytes + 1));
  for (const char byte : line) {
    if (byte == '\r' || byte == '\n') continue;
    entry.push_back(byte);
    if (entry.size() > kMaxCommandLineBytes) break;
  }
  entry.resize(CutWhole(entry, kMaxCommandLineBytes).size());
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
