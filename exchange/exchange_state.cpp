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
  state.ForceLayerGroup = true;
  state.ForceLayer = true;
  state.ForceLineColor = true;
  state.ForceLineType = true;
  state.ForceLineWidth = true;
  state.ForceTextType = true;
  state.ForceFontName = true;
  state.ForcePnColor = true;

  state.CurLayerGroup = 0;
  state.CurLayer = 0;
  state.CurLineColor = 1;
  state.CurLineType = 1;
  state.CurLineWidth = 0;
  state.CurTextType = 1;
  state.CurTextWidth = 2.0;
  state.CurTextHeight = 2.0;
  state.CurTextGap = 0.0;
  state.CurTextColor = 1;
  state.CurCcValue = 0;
  state.CurFontName = kDefaultFontName;
  state.CurPnColor = 1;
  state.CurExtColor = 0;
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
