#include "tool/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace morven::tool {
namespace {

TEST(ProgramFolder, FolderOfAProgramFile) {
  struct Case {
    std::string programFile;
    std::optional<std::string> folder;
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    const std::optional<std::filesystem::path> folder = ProgramFolderOf(c.programFile);
    if (c.folder) {
      ASSERT_TRUE(folder.has_value()) << c.programFile;
      EXPECT_EQ(folder->native(), *c.folder) << c.programFile;
    } else {
      EXPECT_FALSE(folder.has_value()) << c.programFile << " gave " << folder->native();
    }
  }
}

}  // namespace
}  // namespace morven::tool
