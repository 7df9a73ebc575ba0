#include "tool/qt/application_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

namespace morven::tool::qt {

std::optional<std::filesystem::path> ApplicationFolder() {
  const QString folder = QCoreApplication::applicationDirPath();
  if (folder.isEmpty()) return std::nullopt;
  // The file system's own bytes, so that a folder name in any encoding round-trips.
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

}  // namespace morven::tool::qt
