// The program unit: one dialog, run once. Command-line arguments are not read, not even the
// toolkit's own.
#include <QApplication>

#include "tool/form_texts.h"
#include "tool/unit1.h"

int main(int, char** argv) {
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  QApplication::setApplicationName(morven::tool::FromCp932(morven::tool::kApplicationTitle));
  morven::tool::TForm1 Form1;
  Form1.show();
  application.exec();
  return 0;
}
