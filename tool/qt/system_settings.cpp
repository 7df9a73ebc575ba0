#include "tool/qt/system_settings.h"

#include <QLocale>
#include <system_error>

#include "tool/system_settings.h"

namespace morven::tool::qt {

std::optional<std::filesystem::path> ProgramFolder() {
  std::error_code error;  // an unreadable link gives an empty path, which has no folder
  return ProgramFolderOf(std::filesystem::read_symlink("/proc/self/exe", error));
}

numeric::Separators UserSeparators() {
  const QLocale locale = QLocale::system();
  return ChooseSeparators(locale.decimalPoint().toStdString(),
                          locale.groupSeparator().toStdString());
}

}  // namespace morven::tool::qt
