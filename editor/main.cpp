// KVOPW: the input editor.  "KVOPW [case.IND]" opens the case at start.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("KVOP");
  QApplication::setApplicationName("KVOPW");
  kvop::editor::MainWindow w(QApplication::applicationDirPath());
  w.show();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    w.openCase(args[1]);
  } else {
    QTimer::singleShot(0, &w, &kvop::editor::MainWindow::showNewsOnce);
  }
  return QApplication::exec();
}
