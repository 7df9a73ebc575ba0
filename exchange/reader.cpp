#include "exchange/reader.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "exchange/file_lines.h"
#include "exchange/keyword_rows.h"
#include "exchange/line_tokens.h"
#include "exchange/regular_file.h"

namespace morven::exchange {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

}  // namespace

FileResult ReadExchangeFile(ExchangeState& state, const std::filesystem::path& path,
                            WaitPacing pacing) {
  LockedFileWait wait(std::move(pacing));
  const OpenedFile opened = OpenRegularFileForReading(path, wait);
  const std::unique_ptr<std::FILE, FileCloser> file(opened.file);
  if (!file) return opened.result;
  try {
    FileLines lines(file.get());
    LineTokens tokens;
    while (const auto line = lines.Next()) {
      tokens.SplitPadded(*line);
      ApplyLineTokens(state, tokens);
    }
    if (lines.Failed()) return LastStreamFailure();
    return {};
  } catch (...) {
    return FileFailure::kOther;
  }
}

AppliedRow ParseExchangeLine(ExchangeState& state, std::string_view line) {
  std::string padded(line);
  padded.append(kLinePadding, '\0');
  LineTokens tokens;
  tokens.SplitPadded(std::string_view(padded.data(), line.size()));
  return ApplyLineTokens(state, tokens);
}

}  // namespace morven::exchange
