#include "exchange/exchange_state.h"

#include <utility>

namespace morven::exchange {

void ResetExchangeState(ExchangeState& state) {
  // The writer's two own flags survive a reset; everything else starts over.
  const bool forceFontName = state.ForceFontName;
  const bool forcePnColor = state.ForcePnColor;
  state = ExchangeState{};
  state.ForceFontName = forceFontName;
  state.ForcePnColor = forcePnColor;
}

void ResetCommandWriter(ExchangeState& state) {
  static_cast<CommandWriterMemory&>(state) = CommandWriterMemory{};
}

namespace {

template <typename T>
void FreeVector(std::vector<T>& table) {
  std::vector<T>().swap(table);
}

}  // namespace

void ReleaseExchangeState(ExchangeState& state) {
  FreeVector(state.LayerGroupArg);
  FreeVector(state.LayerGroupName);
  FreeVector(state.LayerArg);
  FreeVector(state.LayerName);
  FreeVector(state.HpPoints);
  state.Lines.Release();
  state.Circles.Release();
  state.Arcs.Release();
  state.Texts.Release();
  state.Points.Release();
  state.PointExs.Release();
  state.Messages.Release();
  state.Blocks.Release();
  state.Sl2s.Release();
  state.Sl3s.Release();
  state.Sl4s.Release();
  state.Scs.Release();
  state.Ses.Release();
  state.Sos.Release();
  state.Sgs.Release();
  state.OrderList.Release();
  state.CommandBuffer.Release();
}

void AddOrderEntry(ExchangeState& state, ElementKind kind, std::int32_t index) {
  OrderEntry& entry = state.OrderList.Append();
  entry.Kind = kind;
  entry.Index = index;
}

void FillElementHeader(const ExchangeState& state, ElementHeader& header) {
  header.HhpNumber = state.HhpNumber;
  header.LayerGroup = state.CurLayerGroup;
  header.Layer = state.CurLayer;
  header.Color = state.CurLineColor;
  header.LineType = state.CurLineType;
  header.LineWidth = state.CurLineWidth;
  header.ZFlags = state.ZFlags;
}

}  // namespace morven::exchange
