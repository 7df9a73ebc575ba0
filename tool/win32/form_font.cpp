#include "tool/win32/form_font.h"

#include <cwchar>
#include <string>

#include "tool/form_layout.h"
#include "tool/form_texts.h"
#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {

UniqueFont CreateFormFont(FormScale scale) {
  // Zeroed, the rest is the system's default: regular weight, default precision and quality.
  LOGFONTW font{};
  font.lfHeight = -scale.Pixels(kFontPixels);
  font.lfCharSet = SHIFTJIS_CHARSET;
  const std::wstring face = WideFromCp932(kFormFontFamily);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace morven::tool::win32
