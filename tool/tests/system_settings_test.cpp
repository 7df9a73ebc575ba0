#include "tool/system_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace morven::tool {
namespace {

// Paths as Linux gives them, bytes after "/"; the Windows folder is tested with the program.
#ifndef _WIN32
TEST(SystemSettingsTest, FolderOfAProgramFile) {
  const struct {
    std::string programFile;
    std::optional<std::string> folder;
  } cases[] = {
      {"/opt/morven/morven", "/opt/morven"},
      {"/morven", "/"},
      // Shift_JIS "ソ表": not UTF-8, and its second bytes are backslashes; kept byte for byte.
      {"/tmp/\x83\x5c\x95\x5c/morven", "/tmp/\x83\x5c\x95\x5c"},
      {"/tmp/\xff\xfe/morven", "/tmp/\xff\xfe"},
      {"", std::nullopt},
      {"morven", std::nullopt},
      {"app/morven", std::nullopt},
      {"/opt/morven/", std::nullopt},
      {"/", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<std::filesystem::path> folder = ProgramFolderOf(c.programFile);
    if (c.folder) {
      ASSERT_TRUE(folder.has_value()) << c.programFile;
      EXPECT_EQ(folder->native(), *c.folder) << c.programFile;
    } else {
      EXPECT_FALSE(folder.has_value()) << c.programFile << " gave " << folder->native();
    }
  }
}
#endif

TEST(SystemSettingsTest, UsesOneByteSeparatorsThatDiffer) {
  const struct {
    const char* decimal;
    const char* thousands;
    char expectedDecimal;
    char expectedThousands;
  } cases[] = {
      {",", ".", ',', '.'},
      {".", "'", '.', '\''},
      {",", " ", ',', ' '},
      {",", "\xE2\x80\xAF", '.', ','},  // narrow no-break space: not in code page 932
      {".", "\xE2\x80\x99", '.', ','},  // right single quotation mark: two bytes in code page 932
      {",", ",", '.', ','},             // equal
      {"", ",", '.', ','},
      {"\xEF\xBC\x8E", ",", '.', ','},  // full-width full stop: two bytes
  };
  for (const auto& c : cases) {
    const numeric::Separators s = ChooseSeparators(c.decimal, c.thousands);
    EXPECT_EQ(s.decimal, c.expectedDecimal) << c.decimal << " " << c.thousands;
    EXPECT_EQ(s.thousands, c.expectedThousands) << c.decimal << " " << c.thousands;
  }
}

}  // namespace
}  // namespace morven::tool
