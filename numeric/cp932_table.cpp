#include "numeric/cp932_table.h"

#include <algorithm>

namespace morven::numeric {
namespace {

struct EncodingRow {
  char16_t character;
  std::string_view bytes;  // empty: no code
};

const EncodingRow kEncoding[] = {
    {0x0080, ""},          // Windows: 80
    {0x00A2, "\x81\x91"},  // cent sign, as U+FFE0
    {0x00A3, "\x81\x92"},  // pound sign, as U+FFE1
    {0x00A5, "\x5C"},      // yen sign, as the byte a Japanese font draws as one
    {0x00AC, "\x81\xCA"},  // not sign, as U+FFE2
    {0x2014, "\x81\x5C"},  // em dash, as U+2015
    {0x2016, "\x81\x61"},  // double vertical line, as U+2225
    {0x203E, "\x7E"},      // overline, as 0x5C is the yen sign
    {0x2212, "\x81\x7C"},  // minus sign, as U+FF0D
    {0x301C, "\x81\x60"},  // wave dash, as U+FF5E
    {0xF8F0, ""},          // Windows: A0
    {0xF8F1, ""},          // Windows: FD
    {0xF8F2, ""},          // Windows: FE
    {0xF8F3, ""},          // Windows: FF
};

struct DecodingRow {
  unsigned char byte;
  char16_t character;
};

const DecodingRow kDecoding[] = {
    {0x80, 0x0080},  // iconv: no character
};

}  // namespace

std::optional<std::string_view> Cp932TableBytes(char16_t character) {
  const auto row = std::find_if(std::begin(kEncoding), std::end(kEncoding),
                                [&](const EncodingRow& r) { return r.character == character; });
  if (row == std::end(kEncoding)) return std::nullopt;
  return row->bytes;
}

std::optional<char16_t> Cp932TableCharacter(unsigned char byte) {
  const auto row = std::find_if(std::begin(kDecoding), std::end(kDecoding),
                                [&](const DecodingRow& r) { return r.byte == byte; });
  if (row == std::end(kDecoding)) return std::nullopt;
  return row->character;
}

}  // namespace morven::numeric
