#include "exchange/file_lines.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace morven::exchange {

namespace {

constexpr char kEndOfFileMark = 0x1A;

// The first LF from `from` on, before `end`; nullptr when there is none. Most lines are short:
// sixteen bytes at a time from the padding after the chunk beats a call per line.
const char* FindLineFeed(const char* from, const char* end) {
#if defined(__SSE2__)
  const __m128i lineFeeds = _mm_set1_epi8('\n');
  for (const char* p = from; p < end; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    auto found = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeeds)));
    if (end - p < 16) found &= (std::uint32_t{1} << (end - p)) - 1;
    if (found != 0) return p + std::countr_zero(found);
  }
  return nullptr;
#else
  return static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
#endif
}

// The line without the CRs before its LF; nothing when it starts with the end-of-file mark.
std::optional<std::string_view> WithoutLineEnd(std::string_view line) {
  if (!line.empty() && line.front() == kEndOfFileMark) return std::nullopt;
  while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The text followed by kLinePadding zero bytes that the view leaves out.
std::string_view Padded(std::string& text) {
  const std::size_t size = text.size();
  text.append(kLinePadding, '\0');
  return std::string_view(text.data(), size);
}

}  // namespace

FileLines::FileLines(std::FILE* file, std::size_t chunkBytes)
    : file_(file), chunk_(std::max<std::size_t>(chunkBytes, 1) + kLinePadding) {}

bool FileLines::Refill() {
  const std::size_t got = std::fread(chunk_.data(), 1, chunk_.size() - kLinePadding, file_);
  pos_ = 0;
  end_ = got;
  if (got == 0) {
    if (std::ferror(file_)) failed_ = true;
    atEnd_ = true;
  }
  return got != 0;
}

std::optional<std::string_view> FileLines::Next() {
  if (done_) return std::nullopt;
  carry_.clear();
  bool carrying = false;
  for (;;) {
    if (pos_ == end_ && (atEnd_ || !Refill())) {
      done_ = true;
      if (failed_ || !carrying) return std::nullopt;
      return Finish(Padded(carry_));
    }
    const char* const from = chunk_.data() + pos_;
    const std::size_t available = end_ - pos_;
    const char* const lineFeed = FindLineFeed(from, from + available);
    if (lineFeed == nullptr) {
      carry_.append(from, available);
      carrying = true;
      pos_ = end_;
      continue;
    }
    const std::size_t length = static_cast<std::size_t>(lineFeed - from);
    pos_ += length + 1;
    if (!carrying) return Finish(std::string_view(from, length));
    carry_.append(from, length);
    return Finish(Padded(carry_));
  }
}

std::optional<std::string_view> FileLines::Finish(std::string_view line) {
  const std::optional<std::string_view> finished = WithoutLineEnd(line);
  if (!finished) done_ = true;
  return finished;
}

std::vector<std::string_view> SplitFileLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::optional<std::string_view> line = WithoutLineEnd(bytes.substr(start, end - start));
    if (!line) break;
    lines.push_back(*line);
    start = end + 1;
  }
  return lines;
}

}  // namespace morven::exchange
