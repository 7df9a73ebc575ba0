#pragma once

#include <QFont>

namespace morven::tool::qt {

// The form's font: "ＭＳ ゴシック" at 13 pixels, regular. Debian's fontconfig knows no alias for
// that name, so it is made to resolve to the installed Japanese monospace font IPAGothic.
QFont FormFont();

}  // namespace morven::tool::qt
