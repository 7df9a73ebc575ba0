#include "exchange/long_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace morven::exchange {
namespace {

// `start`, a folder name of 'a's and "\JWC_TEMP.TXT", `length` characters in all.
std::string PathOfLength(const std::string& start, std::size_t length) {
  const std::string file = "\\JWC_TEMP.TXT";
  return start + std::string(length - start.size() - file.size(), 'a') + file;
}

TEST(LongPathForm, PrefixesOnlyLongFullPaths) {
  const std::string drive260 = PathOfLength("C:\\", 260);
  const std::string drive261 = PathOfLength("d:\\", 261);
  const std::string network261 = PathOfLength("\\\\server\\share\\", 261);
  struct Case {
    std::string path;
    std::string expected;
  };
  const Case cases[] = {
      {PathOfLength("C:\\", 259), PathOfLength("C:\\", 259)},
      {drive260, "\\\\?\\" + drive260},
      {drive261, "\\\\?\\" + drive261},
      {PathOfLength("\\\\server\\share\\", 259), PathOfLength("\\\\server\\share\\", 259)},
      {network261, "\\\\?\\UNC\\" + network261.substr(2)},
      {"\\\\?\\" + drive261, "\\\\?\\" + drive261},
      {"\\\\?\\UNC\\" + network261.substr(2), "\\\\?\\UNC\\" + network261.substr(2)},
      {PathOfLength("\\\\.\\C:\\", 270), PathOfLength("\\\\.\\C:\\", 270)},
      {PathOfLength("tools\\", 270), PathOfLength("tools\\", 270)},
      {PathOfLength("C:tools\\", 270), PathOfLength("C:tools\\", 270)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LongPathForm(std::filesystem::path(c.path)).native(),
              std::filesystem::path(c.expected).native())
        << c.path.size() << " characters: " << c.path;
  }
}

}  // namespace
}  // namespace morven::exchange
