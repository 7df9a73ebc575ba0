// The yardstick: the least a Qt 6 Widgets program does to put a fixed-size dialog on the screen.
#include <QApplication>
#include <QDialog>

int main(int, char** argv) {
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  QDialog dialog;
  dialog.setFixedSize(312, 217);
  dialog.show();
  return application.exec();
}
