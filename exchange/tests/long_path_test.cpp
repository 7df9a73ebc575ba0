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
  const std::string drive259 = PathOfLength("C:\\", 259);
  const std::string drive260 = PathOfLength("C:\\", 260);
  const std::string drive261 = PathOfLength("C:\\", 261);
  const std::string network259 = PathOfLength("\\\\server\\share\\", 259);
  const std::string network261 = PathOfLength("\\\\server\\share\\", 261);
  const std::string slashes = PathOfLength("D:/x/", 300);
  struct Case {
    const char* name;
    std::string path;
    std::string expected;
  };
  const Case cases[] = {
      {"short drive path", "C:\\tools\\JWC_TEMP.TXT", "C:\\tools\\JWC_TEMP.TXT"},
      {"drive path of 259", drive259, drive259},
      {"drive path of 260", drive260, "\\\\?\\" + drive260},
      {"drive path of 261", drive261, "\\\\?\\" + drive261},
      {"network path of 259", network259, network259},
      {"network path of 261", network261, "\\\\?\\UNC\\" + network261.substr(2)},
      {"forward slashes become backslashes", slashes, "\\\\?\\" + PathOfLength("D:\\x\\", 300)},
      {"network path with forward slashes", PathOfLength("//server/share/", 261),
       "\\\\?\\UNC\\server\\share\\" + network261.substr(15)},
      {"already prefixed", "\\\\?\\" + drive261, "\\\\?\\" + drive261},
      {"already prefixed network path", "\\\\?\\UNC\\" + network261.substr(2),
       "\\\\?\\UNC\\" + network261.substr(2)},
      {"device namespace", PathOfLength("\\\\.\\C:\\", 270), PathOfLength("\\\\.\\C:\\", 270)},
      {"object manager prefix", PathOfLength("\\??\\C:\\", 270), PathOfLength("\\??\\C:\\", 270)},
      {"relative", PathOfLength("tools\\", 270), PathOfLength("tools\\", 270)},
      {"drive-relative", PathOfLength("C:tools\\", 270), PathOfLength("C:tools\\", 270)},
      {"rooted without a drive", PathOfLength("\\tools\\", 270), PathOfLength("\\tools\\", 270)},
      {"a server without a share", "\\\\" + std::string(270, 'a'), "\\\\" + std::string(270, 'a')},
      {"a .. step", PathOfLength("C:\\x\\..\\", 270), PathOfLength("C:\\x\\..\\", 270)},
      {"a . step", PathOfLength("C:\\.\\", 270), PathOfLength("C:\\.\\", 270)},
      {"dots within a name", PathOfLength("C:\\...\\a.b\\", 270),
       "\\\\?\\" + PathOfLength("C:\\...\\a.b\\", 270)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LongPathForm(std::filesystem::path(c.path)).native(),
              std::filesystem::path(c.expected).native())
        << c.name;
  }
}

}  // namespace
}  // namespace morven::exchange
