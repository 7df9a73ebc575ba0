// Writes morven.exe's icon file from the form's icon data: one 16-colour image at each of the
// form's icon sizes, every pixel opaque. Built and run on the build machine, so that building the
// Windows program needs neither Wine nor a drawing program.
//   make_form_icon OUT.ico          writes the file
//   make_form_icon --check FILE.ico exits 1 when FILE.ico is not what it would write
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tool/form_desktop.h"

namespace {

using morven::tool::FormIconPixels;
using morven::tool::kIconSizes;

// The system's 16 colours, in their usual order, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr std::size_t kIconDirectoryBytes = 6;
constexpr std::size_t kIconEntryBytes = 16;
constexpr std::size_t kBitmapHeaderBytes = 40;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::size_t RowBytes(int pixels, int bitsPerPixel) {
  return static_cast<std::size_t>((pixels * bitsPerPixel + 31) / 32 * 4);
}

std::optional<std::uint32_t> PaletteIndex(std::uint32_t rgb) {
  const auto found = std::find(kPalette.begin(), kPalette.end(), rgb);
  if (found == kPalette.end()) return std::nullopt;
  return static_cast<std::uint32_t>(found - kPalette.begin());
}

// One image as an icon file holds it: the bitmap header (twice the height, for the colour rows
// and the mask rows), the palette, 4-bit colour rows from the bottom, then an all-clear mask.
std::optional<std::string> IconImage(int pixels) {
  const std::vector<std::uint32_t> rgb = FormIconPixels(pixels);
  const std::size_t colourRow = RowBytes(pixels, 4);
  const std::size_t maskRow = RowBytes(pixels, 1);
  const auto rows = static_cast<std::size_t>(pixels);
  std::string image;
  PutLittleEndian(image, kBitmapHeaderBytes, 4);
  PutLittleEndian(image, static_cast<std::uint32_t>(pixels), 4);
  PutLittleEndian(image, static_cast<std::uint32_t>(2 * pixels), 4);
  PutLittleEndian(image, 1, 2);  // planes
  PutLittleEndian(image, 4, 2);  // bits per pixel
  PutLittleEndian(image, 0, 4);  // no compression
  PutLittleEndian(image, static_cast<std::uint32_t>((colourRow + maskRow) * rows), 4);
  PutLittleEndian(image, 0, 4);
  PutLittleEndian(image, 0, 4);
  PutLittleEndian(image, kPalette.size(), 4);
  PutLittleEndian(image, 0, 4);
  for (const std::uint32_t colour : kPalette) {
    PutLittleEndian(image, colour, 4);  // blue, green, red, zero
  }
  for (std::size_t y = rows; y-- > 0;) {
    std::string row(colourRow, '\0');
    for (std::size_t x = 0; x < rows; ++x) {
      const std::optional<std::uint32_t> index = PaletteIndex(rgb[y * rows + x]);
      if (!index) return std::nullopt;
      row[x / 2] = static_cast<char>(row[x / 2] | (*index << (x % 2 == 0 ? 4 : 0)));
    }
    image += row;
  }
  image.append(maskRow * rows, '\0');
  return image;
}

std::optional<std::string> IconFile() {
  std::vector<std::string> images;
  for (const int pixels : kIconSizes) {
    std::optional<std::string> image = IconImage(pixels);
    if (!image) return std::nullopt;
    images.push_back(std::move(*image));
  }
  std::string file;
  PutLittleEndian(file, 0, 2);
  PutLittleEndian(file, 1, 2);  // an icon, not a cursor
  PutLittleEndian(file, static_cast<std::uint32_t>(images.size()), 2);
  std::size_t offset = kIconDirectoryBytes + kIconEntryBytes * images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const auto pixels = static_cast<std::uint32_t>(kIconSizes[i]);
    PutLittleEndian(file, pixels, 1);
    PutLittleEndian(file, pixels, 1);
    PutLittleEndian(file, kPalette.size(), 1);
    PutLittleEndian(file, 0, 1);
    PutLittleEndian(file, 1, 2);  // planes
    PutLittleEndian(file, 4, 2);  // bits per pixel
    PutLittleEndian(file, static_cast<std::uint32_t>(images[i].size()), 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(offset), 4);
    offset += images[i].size();
  }
  for (const std::string& image : images) file += image;
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const bool check = args.size() == 2 && args[0] == "--check";
  if (args.size() != 1 && !check) {
    std::cerr << "usage: make_form_icon OUT.ico | make_form_icon --check FILE.ico\n";
    return 2;
  }
  const std::optional<std::string> icon = IconFile();
  if (!icon) {
    std::cerr << "make_form_icon: the icon has a colour outside the 16 system colours\n";
    return 1;
  }
  const std::string path(args.back());
  if (check) {
    std::ifstream in(path, std::ios::binary);
    const std::string held((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (held == *icon) return 0;
    std::cerr << path << " does not hold the form's icon data: run make_form_icon " << path << "\n";
    return 1;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << *icon;
  out.close();
  if (!out) {
    std::cerr << "make_form_icon: cannot write " << path << "\n";
    return 1;
  }
  return 0;
}
