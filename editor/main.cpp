// KVOPW: the input editor.  "KVOPW [case.IND]" opens the case at start;
// "KVOPW --version" and "KVOPW --help" answer on the console without a window.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "engine_run.h"
#include "language.h"
#include "main_window.h"
#include "messages.h"

int main(int argc, char* argv[]) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("KVOPW %s\n", KVOP_VERSION);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::printf(
        "Usage: KVOPW [CASE.IND]\n"
        "The input editor of kvop: edits a sheeting case, saves it as CASE.IND,\n"
        "computes it with kvopwb and shows or prints the report.\n"
        "  --version  print the version and exit\n"
        "  --help     print this text and exit\n");
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName("KVOP");
  QApplication::setApplicationName("KVOPW");
  const QString data = kvop::editor::data_dir(QApplication::applicationDirPath());
  kvop::editor::install_translations(
      data.isEmpty() ? QApplication::applicationDirPath() : data, kvop::editor::stored_language());
  kvop::editor::MainWindow w(QApplication::applicationDirPath());
  w.show();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    w.openCase(args[1]);
  } else {
    QTimer::singleShot(0, &w, &kvop::editor::MainWindow::showNewsOnce);
  }
  // Without the profile database no case can be computed: say so at once.
  QTimer::singleShot(0, &w, [&w] {
    const QString why = kvop::editor::database_warning(w.programDir());
    if (!why.isEmpty()) QMessageBox::warning(&w, "KVOP", why);
  });
  return QApplication::exec();
}
