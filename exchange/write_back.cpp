#include "exchange/write_back.h"

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "exchange/exchange_state.h"
#include "exchange/open_file.h"

namespace morven::exchange {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNothingDrawn = "hq";

bool Write(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool WriteEntries(const ExchangeState& state, std::FILE* file) {
  const BlockTable<CommandEntry>& buffer = state.CommandBuffer;
  if (buffer.empty()) return Write(file, kNothingDrawn) && Write(file, kLineEnd);
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    if (!Write(file, buffer[i].Text)) return false;
    if (buffer[i].JoinsNext && i + 1 < buffer.size() && !Write(file, buffer[++i].Text))
      return false;
    if (!Write(file, kLineEnd)) return false;
  }
  return true;
}

}  // namespace

bool WriteBackExchangeFile(const ExchangeState& state, const std::filesystem::path& fileName) {
  std::FILE* file = nullptr;
  try {
    file = OpenBinaryFile(fileName, true);
    if (file != nullptr) {
      const bool written = WriteEntries(state, file);
      std::FILE* const closing = file;
      file = nullptr;
      if (std::fclose(closing) == 0 && written) return true;
    }
  } catch (...) {
  }
  // No partial answer may be left for the host; a folder of that name is not the answer.
  if (file != nullptr) std::fclose(file);
  try {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(fileName, error);
    if (!error && !std::filesystem::is_directory(status)) std::filesystem::remove(fileName, error);
  } catch (...) {
  }
  return false;
}

}  // namespace morven::exchange
