// Pictures of the editor's windows for looking at them and for the README:
// "editor_screenshots OUTDIR" (built on request: cmake --build build
// --target editor_screenshots).  Every window is shown with a case open and
// saved as a PNG named after its caption.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "delete_form.h"
#include "engine_run.h"
#include "font_form.h"
#include "help.h"
#include "input_form.h"
#include "joint_form.h"
#include "line_load_form.h"
#include "main_window.h"
#include "news_form.h"
#include "report_print.h"
#include "report_view.h"
#include "snow_pocket_form.h"
#include "wind_form.h"

using namespace kvop::editor;

namespace {

QString out;

void save(QWidget* w, const QString& name) {
  w->show();
  QApplication::processEvents();
  w->grab().save(QDir(out).filePath(name + ".png"));
}

// Shows a modal dialog that `open` starts and saves it before closing it.
void modal(const QString& name, const std::function<void()>& open) {
  QTimer::singleShot(400, [name] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      w->grab().save(QDir(out).filePath(name + ".png"));
      w->close();
    }
  });
  open();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("KVOP-shots");
  QApplication::setApplicationName("KVOPW");
  out = argc > 1 ? argv[1] : ".";
  QDir().mkpath(out);
  const QString prog = QStringLiteral(KVOP_BINARY_DIR "/bin");
  const QString cases = QDir(out).filePath("cases");
  QDir().mkpath(cases);
  for (const char* n : {"TAK1.IND", "VAGG1.IND"}) {
    QFile::remove(QDir(cases).filePath(n));
    QFile::copy(QStringLiteral(KVOP_SOURCE_DIR "/examples/") + n, QDir(cases).filePath(n));
  }

  MainWindow w(prog);
  w.inform = [](const QString&) {};
  w.resize(1280, 860);
  w.openCase(QDir(cases).filePath("TAK1.IND"));
  save(&w, "main_tak1");

  JointForm joint(w.form()->data().in, 2, &w);
  save(&joint, "skarvtyp");
  LineLoadForm loads(w.form()->data().in, &w);
  save(&loads, "linjelast");
  SnowPocketForm pocket(*w.form(), &w);
  pocket.calculate();
  save(&pocket, "snoficka");
  WindForm wind(*w.form(), &w);
  wind.calculate();
  save(&wind, "vindlast");
  FontForm font({"DejaVu Sans Mono", 9}, report_font(), &w);
  save(&font, "typsnitt");
  DeleteForm del(DeleteKind::both, cases, &w);
  save(&del, "tabort");
  modal("bekrafta", [&] { confirm_delete(&w, {"TAK1.RED", "TAK1.IND"}); });
  modal("nyheter", [&] { show_news(&w, read_version_note(prog)); });
  modal("viktigt", [&] { show_notice(&w); });
  modal("spara", [&] { w.ask("Vill Du spara ändringarna i NAMNLÖS.IND ?", true); });
  modal("filnamn", [&] {
    QFileDialog d(&w, "Spara som..", cases, "Indatafiler (*.IND *.ind)");
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setLabelText(QFileDialog::FileName, "FILNAMN:");
    d.exec();
  });
  show_help(&w, "vindlast");
  QApplication::processEvents();
  for (QWidget* t : QApplication::topLevelWidgets())
    if (t->windowTitle() == "Hjälp") save(t, "hjalp");

  QSignalSpy done(&w.engine(), &EngineRun::finished);
  if (w.run() && done.wait(120000)) {
    save(&w, "main_utdata");
    // An edit after the run: the result window is marked out of date.
    auto* rubrik = w.form()->findChild<QLineEdit*>("Rubrik");
    rubrik->setText(rubrik->text() + " ändrad");
    emit rubrik->textEdited(rubrik->text());
    save(&w, "main_utdata_inaktuell");
  }

  w.openCase(QDir(cases).filePath("VAGG1.IND"));
  save(&w, "main_vagg1");
  return 0;
}
