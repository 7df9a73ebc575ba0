#include "exchange/line_tokens.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "numeric/byte_words.h"
#include "numeric/shift_jis.h"

namespace morven::exchange {

namespace {

constexpr unsigned char kQuote = 0x22;
constexpr unsigned char kEquals = 0x3D;
constexpr unsigned char kBlank = 0x20;
constexpr unsigned char kTab = 0x09;
constexpr unsigned char kCarriageReturn = 0x0D;
constexpr unsigned char kLastKeptByte = 0xFD;
constexpr int kUnbranchedTokens = 5;

enum ByteClass : std::uint8_t {
  kPlain,      // appended to the token
  kLead,       // first byte of a double-byte character
  kSeparator,  // blank or tab while splitting
  kSpecial,    // quote, equals sign, or a byte that is dropped
};

constexpr std::array<std::uint8_t, 256> MakeByteClasses() {
  std::array<std::uint8_t, 256> classes{};
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    if (numeric::IsLeadByte(byte)) {
      classes[b] = kLead;
    } else if (byte == kBlank || byte == kTab) {
      classes[b] = kSeparator;
    } else if (byte < kBlank || byte > kLastKeptByte || byte == kQuote || byte == kEquals) {
      classes[b] = kSpecial;
    } else {
      classes[b] = kPlain;
    }
  }
  return classes;
}

constexpr std::array<std::uint8_t, 256> kByteClass = MakeByteClasses();

std::uint8_t ClassOf(char byte) {
  return kByteClass[static_cast<unsigned char>(byte)];
}

using numeric::BytesBelow;
using numeric::BytesEqual;
using numeric::kHighBits;

// Bit i of each mask stands for byte i of sixteen: the blanks, and every byte that the whole-line
// path leaves to the byte scan (tabs and other control bytes, the quote, the equals sign and every
// byte from 0x80 on).
struct SixteenByteMarks {
  std::uint32_t blanks = 0;
  std::uint32_t unusual = 0;
};

SixteenByteMarks MarksOf(const char* p) {
#if defined(__SSE2__)
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i blanks = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(kBlank));
  // As signed bytes, everything from 0x80 on lies below the blank along with the control bytes.
  const __m128i belowOrHigh = _mm_cmplt_epi8(bytes, _mm_set1_epi8(kBlank + 1));
  const __m128i quotesOrEquals = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(kQuote)),
                                              _mm_cmpeq_epi8(bytes, _mm_set1_epi8(kEquals)));
  const __m128i unusual = _mm_or_si128(_mm_andnot_si128(blanks, belowOrHigh), quotesOrEquals);
  return {static_cast<std::uint32_t>(_mm_movemask_epi8(blanks)),
          static_cast<std::uint32_t>(_mm_movemask_epi8(unusual))};
#else
  SixteenByteMarks marks;
  for (unsigned i = 0; i < 16; ++i) {
    const auto byte = static_cast<unsigned char>(p[i]);
    marks.blanks |= static_cast<std::uint32_t>(byte == kBlank) << i;
    marks.unusual |= static_cast<std::uint32_t>(byte < kBlank || byte >= 0x80 || byte == kQuote ||
                                                byte == kEquals)
                     << i;
  }
  return marks;
#endif
}

// The first byte from p on that is not plain ASCII: a blank, tab, control byte, quote, equals
// sign or any byte from 0x80 on.
const char* SkipPlainAscii(const char* p, const char* end) {
  if constexpr (std::endian::native == std::endian::little) {
    while (end - p >= 8) {
      std::uint64_t w;
      std::memcpy(&w, p, sizeof w);
      const std::uint64_t stops = BytesBelow(w, kBlank + 1) | BytesEqual(w, kQuote) |
                                  BytesEqual(w, kEquals) | (w & kHighBits);
      if (stops != 0) return p + std::countr_zero(stops) / 8;
      p += 8;
    }
  }
  while (p != end) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte <= kBlank || byte >= 0x80 || byte == kQuote || byte == kEquals) break;
    ++p;
  }
  return p;
}

}  // namespace

char* LineTokens::Reserve(std::size_t bytes) {
  if (!bytes_ || bytes > capacity_) {
    const std::size_t capacity = std::max<std::size_t>(bytes, 2 * capacity_ + 256);
    bytes_ = std::make_unique<char[]>(capacity);
    capacity_ = capacity;
  }
  return bytes_.get();
}

void LineTokens::Split(std::string_view line) {
  if (line.size() > kWholeLineBytes) {
    plain_ = false;
    SplitScanning(line);
    return;
  }
  std::memcpy(shortLine_.data(), line.data(), line.size());
  SplitPadded(std::string_view(shortLine_.data(), line.size()));
}

void LineTokens::SplitPadded(std::string_view line) {
  plain_ = SplitPlainLine(line);
  if (!plain_) SplitScanning(line);
}

// A line of at most 64 printable ASCII bytes and blanks, the usual line of numbers, is split
// from one bit mask of its blanks. False when the line holds anything else. The padding after
// the line lets it be examined in whole sixteen-byte steps, whatever its length.
bool LineTokens::SplitPlainLine(std::string_view line) {
  const std::size_t size = line.size();
  if (size > kWholeLineBytes) return false;
  const char* const data = line.data();
  // Lines of up to 48 bytes, nearly all, need three steps; the fourth is a branch that rarely
  // changes its mind.
  const SixteenByteMarks first = MarksOf(data);
  const SixteenByteMarks second = MarksOf(data + 16);
  const SixteenByteMarks third = MarksOf(data + 32);
  std::uint64_t blanks =
      first.blanks | (std::uint64_t{second.blanks} << 16) | (std::uint64_t{third.blanks} << 32);
  std::uint64_t unusual =
      first.unusual | (std::uint64_t{second.unusual} << 16) | (std::uint64_t{third.unusual} << 32);
  if (size > 48) {
    const SixteenByteMarks fourth = MarksOf(data + 48);
    blanks |= std::uint64_t{fourth.blanks} << 48;
    unusual |= std::uint64_t{fourth.unusual} << 48;
  }
  const std::uint64_t inLine =
      size == kWholeLineBytes ? ~std::uint64_t{0} : (std::uint64_t{1} << size) - 1;
  if ((unusual & inLine) != 0) return false;
  const std::uint64_t separators = blanks & inLine;
  const std::uint64_t text = ~separators & inLine;
  std::uint64_t starts = text & ~(text << 1);
  std::uint64_t ends = text & ~(text >> 1);
  // The first five tokens, enough for most lines, are taken without a branch on their number, which
  // varies from line to line; views past the last token are never handed out. The top bit keeps the
  // bit scans off zero, which would otherwise need a branch of their own.
  constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;
  int slot = 0;
  for (int i = 0; i < kUnbranchedTokens; ++i) {
    const int first = std::countr_zero(starts | kTopBit);
    const int last = std::countr_zero(ends | kTopBit);
    tokens_[i] = std::string_view(data + first, static_cast<std::size_t>(last - first + 1));
    slot += static_cast<int>(starts != 0);
    starts &= starts - 1;
    ends &= ends - 1;
  }
  while (starts != 0 && slot < kTokenSlots) {
    const int first = std::countr_zero(starts);
    const int last = std::countr_zero(ends);
    tokens_[slot++] = std::string_view(data + first, static_cast<std::size_t>(last - first + 1));
    starts &= starts - 1;
    ends &= ends - 1;
  }
  // Blanks after the last token reach one more, empty slot; tokens past slot 31 are dropped.
  const bool endsInSeparator = size != 0 && ((separators >> (size - 1)) & 1) != 0;
  if (slot < kTokenSlots && (slot == 0 || (starts == 0 && endsInSeparator))) {
    tokens_[slot++] = std::string_view();
  }
  slotCount_ = slot;
  return true;
}

void LineTokens::SplitScanning(std::string_view line) {
  // Tokens that need no byte dropped are plain views of the line.
  const char* const begin = line.data();
  const char* end = begin + line.size();
  const char* p = begin;
  int slot = 0;
  while (p != end && ClassOf(*p) == kSeparator) ++p;
  while (p != end) {
    const char* const start = p;
    bool copy = false;
    for (;;) {
      p = SkipPlainAscii(p, end);
      if (p == end) break;
      const std::uint8_t byteClass = ClassOf(*p);
      if (byteClass == kPlain) {
        ++p;
      } else if (byteClass == kLead) {
        if (p + 1 == end) {
          end = p;  // a lead byte that ends the line is dropped
          break;
        }
        if (static_cast<unsigned char>(p[1]) == kCarriageReturn) {
          copy = true;
          break;
        }
        p += 2;
      } else {
        copy = byteClass == kSpecial;
        break;
      }
    }
    if (copy) {
      SplitCopying(line, static_cast<std::size_t>(start - begin), slot);
      return;
    }
    tokens_[slot] = std::string_view(start, static_cast<std::size_t>(p - start));
    if (p == end) {
      slotCount_ = slot + 1;
      return;
    }
    if (++slot == kTokenSlots) {
      slotCount_ = kTokenSlots;
      return;
    }
    while (p != end && ClassOf(*p) == kSeparator) ++p;
  }
  tokens_[slot] = std::string_view();
  slotCount_ = slot + 1;
}

void LineTokens::SplitCopying(std::string_view line, std::size_t from, int slot) {
  // A token never grows longer than the line, so the copy fits without a check per byte.
  char* const out = Reserve(line.size() + kLinePadding);
  const auto* in = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t size = line.size();
  std::size_t written = 0;
  std::size_t start = 0;
  bool splitting = true;

  for (std::size_t i = from; i < size;) {
    const unsigned char byte = in[i];
    if (byte == kCarriageReturn) {  // gone before anything else, even between a character's bytes
      ++i;
      continue;
    }
    if (numeric::IsLeadByte(byte)) {
      std::size_t second = i + 1;
      while (second < size && in[second] == kCarriageReturn) ++second;
      if (second == size) break;
      if (slot < kTokenSlots) {
        out[written++] = static_cast<char>(byte);
        out[written++] = static_cast<char>(in[second]);
      }
      i = second + 1;
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

}  // namespace morven::exchange
