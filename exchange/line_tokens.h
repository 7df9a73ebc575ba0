#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

#include "numeric/number_text.h"

namespace morven::exchange {

inline constexpr int kTokenSlots = 32;

// Readable bytes that follow every line handed to SplitPadded, so that a short line is split in
// whole 16-byte steps and its numbers are read without copying them first
// (numeric::TextToRealPadded). File lines and parsed lines carry them.
inline constexpr std::size_t kLinePadding = 64;
static_assert(kLinePadding >= numeric::kRealTextPadding);

// The token table of one exchange-file line. Splitting is byte by byte: blanks and tabs separate
// tokens; the first double quote (dropped) or equals sign (kept) switches separating off for the
// rest of the line; a double-byte character is never split or taken for a separator; control
// bytes, 0xFE and 0xFF are dropped, and so is a lead byte that ends the line. A CR is dropped
// before anything else, so that it never parts a double-byte character. Tokens beyond slot 31
// are dropped. One table is reused line after line without allocating per token.
class LineTokens {
 public:
  // Tokens point into the line, or into the table where bytes had to be copied: they stay valid
  // while the line does and until the next Split.
  void Split(std::string_view line);

  // Split for a line followed by kLinePadding readable bytes, whose tokens can then be read as
  // numbers in place.
  void SplitPadded(std::string_view line);

  // Number of the last slot reached plus one, at most 32: "hk 30 " has 3 slots.
  int SlotCount() const noexcept { return slotCount_; }

  // Empty for a slot beyond the slot count.
  std::string_view operator[](int slot) const noexcept {
    return slot >= 0 && slot < slotCount_ ? tokens_[slot] : std::string_view();
  }

  // A line of blanks (or nothing) only.
  bool IsBlank() const noexcept { return slotCount_ == 1 && tokens_[0].empty(); }

  // The line held nothing but printable ASCII and blanks: no tab, quote, equals sign, control
  // byte or byte from 0x80 on.
  bool IsPlain() const noexcept { return plain_; }

 private:
  static constexpr std::size_t kWholeLineBytes = 64;

  bool SplitPlainLine(std::string_view line);
  void SplitScanning(std::string_view line);
  void SplitCopying(std::string_view line, std::size_t from, int slot);
  char* Reserve(std::size_t bytes);

  std::array<std::string_view, kTokenSlots> tokens_{};
  int slotCount_ = 0;
  bool plain_ = false;
  std::array<char, kWholeLineBytes + kLinePadding> shortLine_{};  // a padded copy for Split
  std::unique_ptr<char[]> bytes_;
  std::size_t capacity_ = 0;
};

}  // namespace morven::exchange
