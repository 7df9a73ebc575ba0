#include "tool/win32/form_font.h"

#include <cwchar>
#include <string>

#include "tool/form_layout.h"
#include "tool/form_texts.h"
#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {

UniqueFont CreateFormFont(FormScale scale) {
  LOGFONTW font{};
  font.lfHeight = -scale.Pixels(kFontPixels);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = WideFromCp932(kFormFontFamily);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace morven::tool::win32
