// The program `morven`: one dialog, run once. Command-line arguments are not read, not even the
// toolkit's own.
#include <QApplication>

#include "tool/form_texts.h"
#include "tool/qt/cp932_qstring.h"
#include "tool/qt/dimension_dialog.h"
#include "tool/qt/system_settings.h"

int main(int, char** argv) {
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  QApplication::setApplicationName(morven::tool::qt::FromCp932(morven::tool::kApplicationTitle));
  morven::tool::qt::DimensionDialog dialog(morven::tool::qt::ProgramFolder(),
                                           morven::tool::qt::UserSeparators());
  dialog.show();
  application.exec();
  dialog.End();
  return 0;
}
