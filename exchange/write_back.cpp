#include "exchange/write_back.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <utility>

#include "exchange/exchange_file.h"
#include "exchange/exchange_state.h"
#include "exchange/locked_file_wait.h"
#include "exchange/regular_file.h"

namespace morven::exchange {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool Write(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool WriteEntries(const ExchangeState& state, std::FILE* file) {
  const BlockTable<CommandEntry>& buffer = state.CommandBuffer;
  if (buffer.empty()) return Write(file, kNothingDrawnLine) && Write(file, kLineEnd);
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    if (!Write(file, buffer[i].Text)) return false;
    if (buffer[i].JoinsNext && i + 1 < buffer.size() && !Write(file, buffer[++i].Text))
      return false;
    if (!Write(file, kLineEnd)) return false;
  }
  return true;
}

}  // namespace

FileResult WriteBackExchangeFile(const ExchangeState& state, const std::filesystem::path& fileName,
                                 WaitPacing pacing) {
  LockedFileWait wait(std::move(pacing));
  std::FILE* file = nullptr;
  FileFailure failure = FileFailure::kOther;
  try {
    const OpenedFile opened = OpenRegularFileForWriting(fileName, wait);
    file = opened.file;
    if (file == nullptr) {
      failure = *opened.result.Failure();
    } else {
      // Some C runtimes report a final flush that failed (a full disk) from neither fwrite nor
      // fclose.
      const bool written =
          WriteEntries(state, file) && std::fflush(file) == 0 && std::ferror(file) == 0;
      if (!written) failure = LastStreamFailure();
      std::FILE* const closing = file;
      file = nullptr;
      const bool closed = std::fclose(closing) == 0;
      if (closed && written) return {};
      if (written) failure = LastStreamFailure();
    }
  } catch (...) {
  }
  // No partial answer may be left for the host.
  if (file != nullptr) std::fclose(file);
  try {
    RemoveRegularFile(fileName, wait);
  } catch (...) {
  }
  return failure;
}

}  // namespace morven::exchange
