#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "exchange/block_table.h"

// Everything the host handed over in the exchange file and everything the program hands back.
// One instance per run; it is an object so that tests stay independent of each other.
//
// Field names follow the file's keywords:
//   hk   the drawing angle in degrees (HkAngle); "horizontal" is along it
//   hs   the scales of the 16 layer groups (LayerGroupScale)
//   hzs  the sheet size (SheetWidth, SheetHeight)
//   hcw, hch, hcd, hcc  width, height, gap and colour of the ten text types (TextTypes)
//   bz, hn  a flag and four reals the host writes and nothing here uses (BzFlag, HnValues)
//   hp   an indicated point, numbered 1 to 99, optionally marked "-", "ln", "ci" or "ch" (HpPoints)
//   hhp  the number the host gives the elements that follow (HhpNumber)
//   lg, ly, lc, lt, lw  layer group, layer, line colour, line type, line width
//   cn   the text type (cn0 with a free size); cn$ (written cn"$) the font name
//   cc   a one-digit text attribute (CurCcValue); pn  the colour of points (CurPnColor)
//   z1 to z5  flags for the next element only (ZFlags)
//   pl, msg, #  start of a polyline, start of a message, end of either
//   ci   circle (four slots) or arc; pt  point; BL  block; ch cv cs cr co cp ct ck cz c2  texts
//   sl   an element of two to four corners (Sl2, Sl3, Sl4, corners that coincide dropped)
//   sc, se  elements of seven reals and an integer; so, sg  elements of eight reals
// Initial* fields hold the host's current attributes as first named in the file; Cur* and
// Force* fields are the command writer's (CommandWriterMemory).
namespace morven::exchange {

// "<ＭＳ ゴシック>" in Shift_JIS: the writer's font before anything was written.
inline constexpr const char* kDefaultFontName =
    "<\x82l\x82r \x83S\x83V\x83"
    "b\x83N>";

inline constexpr int kLayerGroupCount = 16;
inline constexpr int kLayerCount = 16 * 16;
inline constexpr int kTextTypeCount = 10;
inline constexpr int kHpPointCount = 100;  // numbers 1..99 can be set; entry 0 never is

struct TextTypeInfo {
  double Width = 3.0;
  double Height = 3.0;
  double Gap = 0.0;
  std::int32_t Color = 2;
};

struct HpPoint {
  bool Defined = false;
  double X = 0.0;
  double Y = 0.0;
  std::int32_t Kind = 0;  // 0 plain, 1 "-", 2 "ln", 3 "ci", 4 "ch"
};

enum ElementKind : std::int32_t {
  kLine = 1,
  kCircle = 2,
  kArc = 3,
  kText = 4,
  kPoint = 5,
  kPointEx = 6,
  kMessage = 7,
  kBlock = 8,
  kSl2 = 9,
  kSl3 = 10,
  kSl4 = 11,
  kSc = 12,
  kSe = 13,
  kSo = 14,
  kSg = 15,
};

struct ElementHeader {
  std::int32_t HhpNumber = 0;
  std::int32_t LayerGroup = 0;
  std::int32_t Layer = 0;
  std::int32_t Color = 0;
  std::int32_t LineType = 0;
  std::int32_t LineWidth = 0;
  std::int32_t ZFlags = 0;
};

struct LineRecord {
  ElementHeader Header;
  std::int32_t PolylineNumber = 0;
  double X1 = 0.0, Y1 = 0.0, X2 = 0.0, Y2 = 0.0;
};

struct CircleRecord {
  ElementHeader Header;
  double X = 0.0, Y = 0.0, R = 0.0;
};

struct ArcRecord {
  ElementHeader Header;
  std::array<double, 7> Values{};
};

struct TextRecord {
  ElementHeader Header;
  std::int32_t TextVariant = 0;  // position in "ch" "cv" "cs" "cr" "co" "cp" "ct" "ck" "cz" "c2"
  std::int32_t CcValue = 0;
  std::int32_t TextType = 0;
  double Width = 0.0, Height = 0.0, Gap = 0.0;
  double X = 0.0, Y = 0.0;
  double DirX = 0.0, DirY = 0.0;
  std::string FontName;  // at most 255 bytes
  std::string Text;      // at most 255 bytes
};

struct PointRecord {
  ElementHeader Header;
  double X = 0.0, Y = 0.0;
};

struct PointExRecord {
  ElementHeader Header;
  double X = 0.0, Y = 0.0, Scale = 0.0, Angle = 0.0;
  std::int32_t PointKind = 0;
};

struct MessageRecord {
  ElementHeader Header;
  LineRecord Line;
  TextRecord Text;
};

struct BlockRecord {
  ElementHeader Header;
  double X = 0.0, Y = 0.0;
  std::string Name;
};

template <int Corners>
struct SlRecord {
  ElementHeader Header;
  std::int32_t ExtColor = 0;
  std::array<double, 2 * Corners> Coords{};  // x, y of each corner in the order given
};
using Sl2Record = SlRecord<2>;
using Sl3Record = SlRecord<3>;
using Sl4Record = SlRecord<4>;

struct ScRecord {  // kinds 12 (Sc) and 13 (Se)
  ElementHeader Header;
  std::int32_t ExtColor = 0;
  std::array<double, 7> Values{};
  std::int32_t Last = 0;
};

struct SoRecord {  // kinds 14 (So) and 15 (Sg)
  ElementHeader Header;
  std::int32_t ExtColor = 0;
  std::array<double, 8> Values{};
};

// The line a message carries when no line was read in message mode: colour 1, line type 1,
// from (0, 0) to (1, 0).
constexpr LineRecord StartMessageLine() {
  LineRecord line;
  line.Header.Color = 1;
  line.Header.LineType = 1;
  line.X2 = 1.0;
  return line;
}

struct OrderEntry {
  std::int32_t Kind = 0;   // ElementKind
  std::int32_t Index = 0;  // 0-based position in that kind's table
};

// The current attributes and the writer's force flags. While the file is read the attributes are
// those in force for the next element; after ResetCommandWriter they are the writer's memory of
// what it last wrote, and a force flag makes the next request write its line even when the value
// is unchanged. One value, so that the writer is reset by one assignment and a build that fails
// half-way is undone by putting a copy back.
struct CommandWriterMemory {
  std::int32_t CurLayerGroup = 0;
  std::int32_t CurLayer = 0;
  std::int32_t CurLineColor = 1;
  std::int32_t CurLineType = 1;
  std::int32_t CurLineWidth = 0;
  std::int32_t CurTextType = 1;
  double CurTextWidth = 2.0, CurTextHeight = 2.0, CurTextGap = 0.0;
  std::int32_t CurTextColor = 1;
  std::int32_t CurCcValue = 0;
  std::string CurFontName = kDefaultFontName;
  std::int32_t CurPnColor = 1;
  std::int32_t CurExtColor = 0;

  bool ForceLayerGroup = true;
  bool ForceLayer = true;
  bool ForceLineColor = true;
  bool ForceLineType = true;
  bool ForceLineWidth = true;
  bool ForceTextType = true;
  bool ForceFontName = true;
  bool ForcePnColor = true;
};

// One output line without its line end, at most 255 bytes. A text head and the text the writer
// made for it share one file line.
struct CommandEntry {
  std::string Text;
  bool JoinsNext = false;
};

struct ExchangeState : CommandWriterMemory {
  // Host settings.
  std::string HostFileName;
  double HkAngle = 0.0;
  std::array<double, kLayerGroupCount> LayerGroupScale{1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0,
                                                       1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
  double SheetWidth = 1189.0;
  double SheetHeight = 841.0;
  std::array<TextTypeInfo, kTextTypeCount> TextTypes{};  // [0] is text type 1
  bool BzFlag = false;
  std::array<double, 4> HnValues{};

  // The host's current attributes, from the first occurrence of each line.
  std::int32_t InitialLayerGroup = 0;
  std::int32_t InitialLayer = 0;
  std::int32_t InitialLineColor = 1;
  std::int32_t InitialLineType = 1;
  std::int32_t InitialLineWidth = 0;
  std::int32_t InitialTextType = 1;
  double InitialTextWidth = 2.0, InitialTextHeight = 2.0, InitialTextGap = 0.0;
  std::int32_t InitialTextColor = 1;
  std::string InitialFontName;

  // Layer tables: 16 entries per group table, 256 (group * 16 + layer) per layer table.
  std::vector<std::int32_t> LayerGroupArg = std::vector<std::int32_t>(kLayerGroupCount);
  std::vector<std::string> LayerGroupName = std::vector<std::string>(kLayerGroupCount);
  std::vector<std::int32_t> LayerArg = std::vector<std::int32_t>(kLayerCount);
  std::vector<std::string> LayerName = std::vector<std::string>(kLayerCount);

  std::vector<HpPoint> HpPoints = std::vector<HpPoint>(kHpPointCount);  // 100 after a reset
  std::int32_t HpPointCount = 0;

  std::int32_t HhpNumber = 0;
  std::int32_t ZFlags = 0;
  std::int32_t PolylineCount = 0;
  bool PolylineMode = false;
  bool MessageMode = false;

  // Element tables, one per kind, in file order, and the order in which elements were read.
  BlockTable<LineRecord> Lines;
  BlockTable<CircleRecord> Circles;
  BlockTable<ArcRecord> Arcs;
  BlockTable<TextRecord> Texts;
  BlockTable<PointRecord> Points;
  BlockTable<PointExRecord> PointExs;
  BlockTable<MessageRecord> Messages;
  BlockTable<BlockRecord> Blocks;
  BlockTable<Sl2Record> Sl2s;
  BlockTable<Sl3Record> Sl3s;
  BlockTable<Sl4Record> Sl4s;
  BlockTable<ScRecord> Scs;
  BlockTable<ScRecord> Ses;
  BlockTable<SoRecord> Sos;
  BlockTable<SoRecord> Sgs;
  BlockTable<OrderEntry> OrderList;

  LineRecord MessageLine = StartMessageLine();

  BlockTable<CommandEntry> CommandBuffer;
};

// Every field to its start value; tables emptied, fixed tables sized.
void ResetExchangeState(ExchangeState& state);

// All eight force flags on, current attributes to the writer's start values: one assignment of
// CommandWriterMemory{}.
void ResetCommandWriter(ExchangeState& state);

// Gives the storage of every table back. Plain fields are left as they are.
void ReleaseExchangeState(ExchangeState& state);

void AddOrderEntry(ExchangeState& state, ElementKind kind, std::int32_t index);

// The seven header fields from the current attributes.
void FillElementHeader(const ExchangeState& state, ElementHeader& header);

}  // namespace morven::exchange
