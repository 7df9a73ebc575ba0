// The program `morven`: one dialog, run once. Command-line arguments are not read, not even the
// toolkit's own.
#include <QApplication>
#include <cstdlib>

#include "tool/form_texts.h"
#include "tool/qt/cp932_qstring.h"
#include "tool/qt/dimension_dialog.h"
#include "tool/qt/end_signals.h"
#include "tool/qt/system_settings.h"

namespace {

// Until it has answered. When the display goes away (its server ends, a remote connection
// drops), the toolkit ends the program with exit() from the event loop, in this thread.
morven::tool::qt::DimensionDialog* unanswered = nullptr;

}  // namespace

int main(int, char** argv) {
  using namespace morven::tool::qt;
  CatchEndSignals();
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  QApplication::setApplicationName(FromCp932(morven::tool::kApplicationTitle));
  DimensionDialog dialog(ProgramFolder(), UserSeparators());
  unanswered = &dialog;
  std::atexit([] {
    if (unanswered != nullptr) unanswered->EndWithoutDisplay();
  });
  // Whatever box is up, the host gets its answer before the program ends as the signal asks.
  OnEndSignal([&dialog](int signal) {
    dialog.End();
    EndBySignal(signal);
  });
  dialog.show();
  application.exec();
  dialog.End();
  unanswered = nullptr;
  if (const int signal = PendingEndSignal()) EndBySignal(signal);
  return 0;
}
