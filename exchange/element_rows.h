#pragma once

#include <cstdint>

#include "exchange/applied_row.h"
#include "exchange/exchange_state.h"
#include "exchange/line_tokens.h"

// The reader's rows that create elements. Each appends one record with its order entry and a
// header from the current attributes, then ends the z flags and both modes.
namespace morven::exchange {

void AppendCircle(ExchangeState& state, const LineTokens& tokens);
void AppendArc(ExchangeState& state, const LineTokens& tokens);
// variant: position of the keyword in "ch" "cv" "cs" "cr" "co" "cp" "ct" "ck" "cz" "c2"; "cs"
// in message mode makes a message instead. Returns the kind appended.
ElementKind AppendText(ExchangeState& state, const LineTokens& tokens, std::int32_t variant);
void AppendPoint(ExchangeState& state, const LineTokens& tokens);
void AppendPointEx(ExchangeState& state, const LineTokens& tokens);
void AppendBlock(ExchangeState& state, const LineTokens& tokens);
// Two, three or four corners from tokens 1 on, coinciding corners reduced. Returns the kind
// appended: the number of corners kept.
ElementKind AppendSurface(ExchangeState& state, const LineTokens& tokens, int corners);
void AppendScOrSe(ExchangeState& state, const LineTokens& tokens, ElementKind kind);
void AppendSoOrSg(ExchangeState& state, const LineTokens& tokens, ElementKind kind);

// A line of exactly four slots that no keyword took: a Line record, or the message line in
// message mode. The modes stay; the z flags end.
AppliedRow ApplyFourNumberLine(ExchangeState& state, const LineTokens& tokens);

}  // namespace morven::exchange
