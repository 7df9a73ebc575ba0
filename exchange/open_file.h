#pragma once

#include <cstdio>
#include <filesystem>

namespace morven::exchange {

// Opens a file in binary mode, for reading or for writing (created or truncated). On Windows the
// file is opened by its UTF-16 name, so that a folder named in any script opens whatever the
// system's code page; elsewhere by the bytes of its name.
inline std::FILE* OpenBinaryFile(const std::filesystem::path& path, bool forWriting) {
#ifdef _WIN32
  return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
  return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
#endif
}

}  // namespace morven::exchange
