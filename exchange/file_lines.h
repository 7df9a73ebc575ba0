#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/line_tokens.h"

namespace morven::exchange {

// The lines of an open file, read in large chunks so that the file is never held whole. A line
// ends at LF or CR LF; a 0x1A at the start of a line ends the file; the last line needs no line
// end. Lines have no length limit. A CR inside a line is left to the token splitting, which
// drops it.
class FileLines {
 public:
  static constexpr std::size_t kChunkBytes = 128 * 1024;

  explicit FileLines(std::FILE* file, std::size_t chunkBytes = kChunkBytes);

  // The next line without its line end, valid until the next call and followed by kLinePadding
  // readable bytes; nothing at the end of the file or after a read error.
  std::optional<std::string_view> Next();

  bool Failed() const noexcept { return failed_; }

 private:
  bool Refill();
  std::optional<std::string_view> Finish(std::string_view line);

  std::FILE* file_;
  std::vector<char> chunk_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::string carry_;  // the start of a line that runs over a chunk boundary
  bool atEnd_ = false;
  bool failed_ = false;
  bool done_ = false;
};

// The lines of a whole file held in memory, split by the same rules as FileLines.
std::vector<std::string_view> SplitFileLines(std::string_view bytes);

}  // namespace morven::exchange
