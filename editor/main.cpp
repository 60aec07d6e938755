// KVOPW: the input editor.  "KVOPW [case.IND]" opens the case at start.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include "language.h"
#include "main_window.h"
#include "messages.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("KVOP");
  QApplication::setApplicationName("KVOPW");
  kvop::editor::install_translations(QApplication::applicationDirPath(),
                                     kvop::editor::stored_language());
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
