#include "exchange/line_tokens.h"

#include <algorithm>

#include "exchange/shift_jis_text.h"

namespace HostExchange {

namespace {

constexpr unsigned char kQuote = 0x22;
constexpr unsigned char kEquals = 0x3D;
constexpr unsigned char kBlank = 0x20;
constexpr unsigned char kTab = 0x09;
constexpr unsigned char kLastKeptByte = 0xFD;

}  // namespace

void LineTokens::Reserve(std::size_t bytes) {
  if (bytes_ && bytes <= capacity_) return;
  const std::size_t capacity = std::max<std::size_t>(bytes, 2 * capacity_ + 256);
  bytes_ = std::make_unique<char[]>(capacity);
  capacity_ = capacity;
}

void LineTokens::Split(std::string_view line) {
  // A token never grows longer than the line, so the copy fits without a check per byte.
  Reserve(line.size());
  char* const out = bytes_.get();
  tokens_.fill(std::string_view());

  const auto* in = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t size = line.size();
  std::size_t written = 0;
  std::size_t start = 0;
  int slot = 0;
  bool splitting = true;

  for (std::size_t i = 0; i < size;) {
    const unsigned char byte = in[i];
    if (IsLeadByte(byte)) {
      if (i + 1 == size) break;
      if (slot < kTokenSlots) {
        out[written++] = static_cast<char>(byte);
        out[written++] = static_cast<char>(in[i + 1]);
      }
      i += 2;
      continue;
    }
    ++i;
    if (splitting) {
      if (byte == kQuote) {
        splitting = false;
        continue;
      }
      if (byte == kEquals) {
        splitting = false;
      } else if (byte == kBlank || byte == kTab) {
        // Past slot 31 nothing is written, so the slot number stops at 32.
        if (written != start) {
          tokens_[slot] = std::string_view(out + start, written - start);
          ++slot;
          start = written;
        }
        continue;
      }
    }
    if (byte >= kBlank && byte <= kLastKeptByte && slot < kTokenSlots) {
      out[written++] = static_cast<char>(byte);
    }
  }
  if (slot < kTokenSlots) tokens_[slot] = std::string_view(out + start, written - start);
  slotCount_ = std::min(slot + 1, kTokenSlots);
}

}  // namespace HostExchange
