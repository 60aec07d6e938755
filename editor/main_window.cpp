#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <algorithm>

#include "calc_document.h"
#include "case_document.h"
#include "compare_dialog.h"
#include "delete_form.h"
#include "driver/inkvop.h"
#include "font_form.h"
#include "help.h"
#include "input_form.h"
#include "joint_form.h"
#include "language.h"
#include "line_load_form.h"
#include "messages.h"
#include "news_form.h"
#include "pictures.h"
#include "report_print.h"
#include "report_view.h"
#include "run_result.h"
#include "snow_pocket_form.h"
#include "wind_form.h"

namespace kvop::editor {
namespace {

// The file dialogs are Qt's own (the desktop's would speak its own
// language), with the editor's captions on their fields and buttons.
void label_file_dialog(QFileDialog& d) {
  d.setOption(QFileDialog::DontUseNativeDialog);
  d.setLabelText(QFileDialog::FileName, MainWindow::tr("FILNAMN:"));
  d.setLabelText(QFileDialog::Accept, MainWindow::tr("OK"));
  d.setLabelText(QFileDialog::Reject, MainWindow::tr("Avbryt"));
  d.setLabelText(QFileDialog::LookIn, MainWindow::tr("Sök i:"));
  d.setLabelText(QFileDialog::FileType, MainWindow::tr("Filtyp:"));
}

}  // namespace

MainWindow::MainWindow(const QString& program_dir, QWidget* parent)
    : QMainWindow(parent), programDir_(QDir(program_dir).absolutePath()) {
  // Without a database anywhere the files are looked for beside the program,
  // where nothing is found; the start-up warning names the places.
  dataDir_ = data_dir(programDir_);
  if (dataDir_.isEmpty()) dataDir_ = programDir_;
  inform = [this](const QString& text) { QMessageBox::information(this, "KVOP", text); };
  ask = [this](const QString& text, bool with_cancel) {
    QMessageBox box(QMessageBox::Question, "KVOP", text, QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(tr("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("Nej"), QMessageBox::NoRole);
    QPushButton* cancel =
        with_cancel ? box.addButton(tr("Avbryt"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes) return 0;
    if (box.clickedButton() == no) return 1;
    return cancel ? 2 : 1;
  };
  chooseFile = [this](bool save) { return askFileName(save); };
  chooseReport = [this] {
    QFileDialog d(this, tr("Välj Resultatfil"),
                  path_.isEmpty()
                      ? QSettings().value("files/lastDir", QDir::currentPath()).toString()
                      : caseDir(),
                  tr("Resultatfiler (*.RED *.red)"));
    label_file_dialog(d);
    d.setFileMode(QFileDialog::ExistingFile);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
    return d.selectedFiles().front();
  };
  folderWritable = [](const QString& dir) { return folder_writable(dir); };

  auto* central = new QWidget(this);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(4, 4, 4, 4);
  auto* top = new QHBoxLayout;
  flags_ = new FlagBar(central);
  layout_ = new LayoutPicture(central);
  layout_->setToolTip(tr("Klicka på ett inre stöd för att välja skarvtyp"));
  top->addWidget(flags_);
  top->addWidget(layout_, 1);
  v->addLayout(top);
  mdi_ = new QMdiArea(central);
  mdi_->setViewMode(QMdiArea::TabbedView);
  mdi_->setDocumentMode(true);
  v->addWidget(mdi_, 1);
  setCentralWidget(central);

  form_ = new InputForm;
  form_->setProfiles(read_profiles(dataDir_));
  auto* scroll = new QScrollArea;
  scroll->setWidget(form_);
  scroll->setWidgetResizable(true);
  formWindow_ = mdi_->addSubWindow(scroll);
  formWindow_->setWindowTitle(tr("Indata"));
  formWindow_->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  formWindow_->showMaximized();

  connect(form_, &InputForm::changed, this, &MainWindow::caseChanged);
  connect(form_, &InputForm::windCalculatorWanted, this, &MainWindow::openWindCalculator);
  connect(flags_, &FlagBar::marketChosen, form_, &InputForm::setMarket);
  connect(layout_, &LayoutPicture::supportClicked, this, &MainWindow::openJointForm);
  connect(&engine_, &EngineRun::finished, this, &MainWindow::runFinished);
  // Coming back to a result window checks it against the file on disk.
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
    if (w && w != formWindow_ && !refreshing_) {
      refreshing_ = true;
      refreshResults();
      refreshing_ = false;
    }
  });

  buildMenus();
  QSettings s;
  if (!restoreGeometry(s.value("window/geometry").toByteArray())) resize(1280, 860);
  fitToScreen();
  newCase();
}

// The window fits the screen it opens on: the default size, or a size stored
// on a larger screen, is cut to the screen's free area with room for the
// frame the window system adds; the input form scrolls inside.
void MainWindow::fitToScreen() {
  const QScreen* sc = screen();
  if (!sc) return;
  const QRect free = sc->availableGeometry();
  const QSize room = free.size() - QSize(16, 48);
  if (geometry().width() <= room.width() && geometry().height() <= room.height() &&
      free.contains(geometry()))
    return;
  resize(size().boundedTo(room));
  move(free.topLeft());
}

MainWindow::~MainWindow() {
  if (engine_.running()) {
    engine_.cancel();
    engine_.wait();
  }
}

// Every menu and item has its mnemonic (Alt+A opens Arkiv); the letters
// are unique within each menu.
void MainWindow::buildMenus() {
  QMenu* arkiv = menuBar()->addMenu(tr("&Arkiv"));
  arkiv->addAction(tr("&Ny"), QKeySequence::New, this, [this] {
    if (maybeSave()) newCase();
  });
  arkiv->addAction(tr("Ö&ppna..."), QKeySequence::Open, this, [this] { openAsked(); });
  arkiv->addAction(tr("&Spara"), QKeySequence::Save, this, [this] { save(); });
  arkiv->addAction(tr("Spara so&m..."), this, [this] { saveAs(); });
  arkiv->addSeparator();
  arkiv->addAction(tr("Skriv &ut..."), QKeySequence::Print, this, &MainWindow::printReportAsked);
  arkiv->addAction(tr("Skrivar&inställning..."), this, &MainWindow::pageSetup);
  arkiv->addSeparator();
  arkiv->addAction(tr("&Avsluta"), QKeySequence::Quit, this, &QWidget::close);

  QMenu* redigera = menuBar()->addMenu(tr("&Redigera"));
  QAction* snow = redigera->addAction(tr("&Snöficka"), this, &MainWindow::openSnowPocket);
  QAction* loads = redigera->addAction(tr("&Linjelast"), this, &MainWindow::openLineLoads);
  // Snow and line loads belong to roofs.
  connect(redigera, &QMenu::aboutToShow, this, [this, snow, loads] {
    snow->setEnabled(!form_->isWall());
    loads->setEnabled(!form_->isWall());
  });

  QMenu* berakning = menuBar()->addMenu(tr("&Beräkning"));
  berakning->addAction(tr("&Kör..."), QKeySequence(Qt::Key_F5), this, [this] { run(); });
  berakning->addAction(tr("&Jämför profiler..."), this, [this] { compareProfiles(); });

  QMenu* resultat = menuBar()->addMenu(tr("Res&ultat"));
  QMenu* res = resultat->addMenu(tr("&Beräkning"));
  res->addAction(tr("på &skärm"), this, [this] { showReport(); });
  res->addAction(tr("på s&krivare"), this, &MainWindow::printReportAsked);
  QMenu* spcMenu = resultat->addMenu(tr("S&pecifikation"));
  spcMenu->addAction(tr("på &skärm"), this, &MainWindow::showPartsList);
  resultat->addAction(tr("&Välj Resultatfil..."), this, &MainWindow::chooseResultFile);
  resultat->addSeparator();
  resultat->addAction(tr("S&kivverkan (vexlor)..."), this, &MainWindow::startDiaphragmProgram);
  resultat->addAction(tr("&DXF-fil (Bra2DXF)..."), this, &MainWindow::startDxfProgram);

  QMenu* fil = menuBar()->addMenu(tr("&Filhantering"));
  QMenu* del = fil->addMenu(tr("&Ta bort"));
  del->addAction(tr("&Resultatfiler"), this, [this] { deleteFiles(0); });
  del->addAction(tr("&Indatafiler"), this, [this] { deleteFiles(1); });
  del->addAction(tr("Resultat+Indata&filer"), this, [this] { deleteFiles(2); });

  menuBar()->addAction(tr("&Viktigt"), this, [this] { show_notice(this); });
  add_settings_menu(menuBar(), [this](const QString& text) { inform(text); });
  QMenu* hjalp = menuBar()->addMenu(tr("&Hjälp"));
  hjalp->addAction(tr("&Innehåll"), QKeySequence::HelpContents, this,
                   [this] { show_help(this, "indata"); });
}

QString MainWindow::caseName() const {
  return path_.isEmpty() ? tr("NAMNLÖS") : case_base_name(path_);
}

QString MainWindow::caseDir() const { return QFileInfo(path_).absolutePath(); }

void MainWindow::updateTitle() {
  setWindowTitle("KVOP - " + caseName() + ".IND[*]");
  setWindowModified(modified_);
}

void MainWindow::setModified(bool m) {
  modified_ = m;
  updateTitle();
}

void MainWindow::caseChanged() {
  setModified(true);
  changedSinceRun_ = true;
  diaphragmWritten_ = false;
  const CaseFile cf = form_->currentCase();
  layout_->setCase(cf.in);
  flags_->setMarket(cf.in.marknadskod);
  refreshResults();
}

bool MainWindow::newCase() {
  CaseFile cf;
  QString message;
  const QString def = QDir(dataDir_).filePath("kvop.def");
  if (!QFileInfo::exists(def) || !load_case(def, cf, message)) {
    cf = CaseFile{};
    blkdat(cf.in);
    cf.in.pnamn(1).set("R45");
    cf.in.psi0sno = 0.7f;
    cf.in.psi1sno = 0.4f;
    cf.in.psi0vind = 0.3f;
    cf.in.psi1vind = 0.2f;
    cf.in.nedbkrav = 2;
    cf.in.iskiv = 2;
  }
  closeResults();
  form_->setCase(cf);
  path_.clear();
  changedSinceRun_ = true;
  diaphragmWritten_ = false;
  layout_->setCase(cf.in);
  flags_->setMarket(cf.in.marknadskod);
  setModified(false);
  return true;
}

bool MainWindow::openCase(const QString& path) {
  CaseFile cf;
  QString message;
  if (!load_case(path, cf, message)) {
    inform(message);
    return false;
  }
  closeResults();
  form_->setCase(cf);
  path_ = QFileInfo(path).absoluteFilePath();
  changedSinceRun_ = true;
  diaphragmWritten_ = false;
  layout_->setCase(cf.in);
  flags_->setMarket(cf.in.marknadskod);
  setModified(false);
  QSettings().setValue("files/lastDir", QFileInfo(path).absolutePath());
  return true;
}

bool MainWindow::openAsked() {
  if (!maybeSave()) return false;
  const QString path = chooseFile(false);
  return !path.isEmpty() && openCase(path);
}

bool MainWindow::save() {
  if (path_.isEmpty()) return saveAs();
  return saveTo(path_);
}

bool MainWindow::saveAs() {
  const QString path = chooseFile(true);
  return !path.isEmpty() && saveTo(path);
}

bool MainWindow::saveTo(const QString& path) {
  const QString base = case_base_name(path);
  if (!file_name_allowed(base)) {
    inform(kFileNameRule);
    return false;
  }
  const QString why = form_->validate();
  if (!why.isEmpty()) {
    inform(why);
    form_->focusFault();
    return false;
  }
  QString message;
  if (!save_case(path, form_->currentCase(), message)) {
    inform(message);
    return false;
  }
  path_ = QFileInfo(path).absoluteFilePath();
  QSettings().setValue("files/lastDir", QFileInfo(path).absolutePath());
  setModified(false);
  refreshResults();
  return true;
}

QString MainWindow::askFileName(bool save) {
  QSettings s;
  const QString dir = s.value("files/lastDir", QDir::currentPath()).toString();
  for (;;) {
    QFileDialog d(this, save ? tr("Spara som..") : tr("Välj Indatafil"), dir,
                  tr("Indatafiler (*.IND *.ind)"));
    label_file_dialog(d);
    d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
      // The rule of the names under the dialog's own fields.
      if (auto* g = qobject_cast<QGridLayout*>(d.layout()))
        g->addWidget(new QLabel(kFileNameRule), g->rowCount(), 0, 1, g->columnCount());
      d.setDefaultSuffix("IND");
      if (!path_.isEmpty()) d.selectFile(QFileInfo(path_).fileName());
    }
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    QString path = d.selectedFiles().front();
    if (!save) return path;
    if (!path.endsWith(".IND", Qt::CaseInsensitive)) path += ".IND";
    if (file_name_allowed(case_base_name(path))) return path;
    inform(kFileNameRule);
  }
}

bool MainWindow::maybeSave(bool with_cancel) {
  if (!modified_) return true;
  const int answer = ask(tr("Vill Du spara ändringarna i %1.IND ?").arg(caseName()), with_cancel);
  if (answer == 2) return false;
  if (answer == 1) return true;
  return save();
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (engine_.running()) {
    // The window closes once the engine has ended.
    e->ignore();
    if (ask(tr("Beräkning pågår.\n\nVill Du avbryta beräkningen och avsluta?"), false) == 0) {
      closeAfterRun_ = true;
      cancelRun();
    }
    return;
  }
  if (!maybeSave()) {
    e->ignore();
    return;
  }
  QSettings().setValue("window/geometry", saveGeometry());
  e->accept();
}

bool MainWindow::run() {
  if (path_.isEmpty() || modified_) {
    inform(tr("Du måste spara Filen först !"));
    return false;
  }
  if (engine_.running()) {
    inform(tr("Beräkning pågår.."));
    return false;
  }
  if (const QString why = form_->lockedThicknessFault(); !why.isEmpty()) {
    inform(why);
    return false;
  }
  if (!caseFolderWritable()) return false;
  QString message;
  const QByteArray bytes = case_bytes(form_->currentCase(), caseName(), message);
  if (bytes.isEmpty()) {
    inform(message);
    return false;
  }
  // The engine works in a folder of its own; only its results come back.
  runDir_ = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath("kvop-run-XXXXXX"));
  if (!runDir_->isValid()) {
    inform(file_error_text(QFileDevice::WriteError, runDir_->path(), runDir_->errorString()));
    runDir_.reset();
    return false;
  }
  progress_ = new QProgressDialog(tr("Skapar indata-filer."), tr("Avbryt"), 0, 0, this);
  progress_->setWindowTitle(tr("KVOP"));
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(0);
  progress_->setAutoReset(false);
  progress_->setAutoClose(false);
  progress_->show();
  if (!prepare_run(runDir_->path(), bytes, dataDir_, message)) {
    endRun();
    inform(message);
    return false;
  }
  progress_->setLabelText(tr("Beräkning pågår.."));
  if (!engine_.start(programDir_, runDir_->path(), message, kAccountFile)) {
    endRun();
    inform(message);
    return false;
  }
  runInput_ = bytes;
  runCaseDir_ = caseDir();
  runCaseName_ = caseName();
  connect(progress_, &QProgressDialog::canceled, this, &MainWindow::cancelRun);
  return true;
}

CompareDialog* MainWindow::compareProfiles() {
  // The case as it stands on screen, saved or not: nothing comes back into
  // its folder but the profile chosen, into the form.
  QString message;
  const QByteArray bytes = case_bytes(form_->currentCase(), caseName(), message);
  if (bytes.isEmpty()) {
    inform(message);
    return nullptr;
  }
  auto* dialog = new CompareDialog(programDir_, dataDir_, bytes, caseName(), this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &CompareDialog::profileChosen, form_, &InputForm::chooseProfile);
  if (!dialog->start(message)) {
    delete dialog;
    inform(message);
    return nullptr;
  }
  dialog->open();
  return dialog;
}

QString MainWindow::runFolder() const { return runDir_ ? runDir_->path() : QString(); }

void MainWindow::cancelRun() { engine_.cancel(); }

// The progress form goes, and the working folder with everything in it.
void MainWindow::endRun() {
  delete progress_;
  progress_ = nullptr;
  runDir_.reset();
}

bool MainWindow::caseFolderWritable() {
  if (folderWritable(caseDir())) return true;
  const int answer = ask(tr("Mappen %1 är skrivskyddad: resultatet av beräkningen kan inte sparas "
                            "där.\n\nVill Du spara fallet i en annan mapp och beräkna det där?")
                             .arg(QDir::toNativeSeparators(caseDir())),
                         false);
  if (answer != 0 || !saveAs()) return false;
  if (folderWritable(caseDir())) return true;
  inform(tr("Mappen %1 är också skrivskyddad.").arg(QDir::toNativeSeparators(caseDir())));
  return false;
}

void MainWindow::runFinished(int code, const QString& console) {
  lastExit_ = code;
  if (engine_.cancelled()) {
    endRun();
    inform(tr("Beräkningen avbröts. Fallet och resultatfilerna i %1 är oförändrade.")
               .arg(QDir::toNativeSeparators(runCaseDir_)));
    if (closeAfterRun_) close();
    return;
  }
  const QString account = QDir(runDir_->path()).filePath(kAccountFile);
  QString message;
  const QStringList brought =
      bring_back_results(runDir_->path(), runCaseDir_, runCaseName_, message);
  QFile a(account);
  const QByteArray accountBytes = a.open(QIODevice::ReadOnly) ? a.readAll() : QByteArray();
  const QString report = report_path(runCaseDir_, runCaseName_);
  // The record of the run goes with the report it wrote.
  if (!report.isEmpty() && brought.contains(report)) {
    RunRecord r;
    r.report = report;
    r.reportHash = file_hash(report);
    r.input = runInput_;
    r.account = accountBytes;
    r.computed = QDateTime::currentDateTime();
    r.exitCode = code;
    r.console = console;
    save_run_record(r);
  }
  endRun();
  if (!message.isEmpty()) {
    inform(tr("Resultatet kunde inte sparas i %1.").arg(QDir::toNativeSeparators(runCaseDir_)) +
           "\n\n" + message);
    refreshResults();
    return;
  }
  if (code == 0) changedSinceRun_ = false;
  // "SKIVA.INS" is one name for every case of a folder: only the one this
  // case's last run wrote is its own.
  diaphragmWritten_ =
      code == 0 && std::any_of(brought.begin(), brought.end(), [](const QString& f) {
        return QFileInfo(f).fileName().compare("SKIVA.INS", Qt::CaseInsensitive) == 0;
      });
  // The result window shows the report the run left on disk, or closes
  // when the run wrote none.
  if (!report.isEmpty() && brought.contains(report)) {
    showReport();
  } else {
    for (QMdiSubWindow* w : mdi_->subWindowList())
      if (auto* r = qobject_cast<ReportView*>(w->widget()); r && r->path() == report) w->close();
  }
  if (code != 0)
    inform(
        tr("Beräkningen avbröts (slutstatus %1).\n\n%2").arg(code).arg(engine_messages(console)));
}

void MainWindow::closeResults() {
  // The result windows belong to the case that was open.
  for (QMdiSubWindow* w : mdi_->subWindowList())
    if (w != formWindow_) w->close();
  mdi_->setActiveSubWindow(formWindow_);
}

QString MainWindow::reportFile(const QString& extension) const {
  return path_.isEmpty() ? QString() : report_path(caseDir(), caseName(), extension);
}

ReportView* MainWindow::showReport() {
  const QString file = reportFile("RED");
  if (file.isEmpty()) {
    inform(tr("Resultatfil till %1.IND saknas !").arg(caseName()));
    return nullptr;
  }
  return showReportFile(file);
}

ReportView* MainWindow::showReportFile(const QString& file) {
  // A report already shown is shown anew, as the file may have changed.
  for (QMdiSubWindow* w : mdi_->subWindowList())
    if (auto* r = qobject_cast<ReportView*>(w->widget()); r && r->path() == file) w->close();
  auto* view = new ReportView(file, settings_dir(programDir_));
  if (!view->loaded()) {
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    inform(file_error_text(QFileDevice::OpenError, file, f.errorString()));
    delete view;
    return nullptr;
  }
  view->setStatus(result_status(file, currentInput(), dataDir_));
  QMdiSubWindow* sub = mdi_->addSubWindow(view);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  markResultTitle(sub);
  connect(view, &ReportView::closeWanted, sub, &QMdiSubWindow::close);
  sub->showMaximized();
  mdi_->setActiveSubWindow(sub);
  return view;
}

void MainWindow::showPartsList() {
  const QString file = reportFile("spc");
  if (file.isEmpty()) {
    inform(tr("Specifikationsfil till %1.IND saknas !").arg(caseName()));
    return;
  }
  auto* view = new ReportView(file, settings_dir(programDir_));
  QMdiSubWindow* sub = mdi_->addSubWindow(view);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  connect(view, &ReportView::closeWanted, sub, &QMdiSubWindow::close);
  sub->showMaximized();
}

bool MainWindow::printReport(QPrinter& printer) {
  // What the active result window shows; else the case's report, shown first.
  ReportView* view = nullptr;
  if (QMdiSubWindow* w = mdi_->activeSubWindow()) view = qobject_cast<ReportView*>(w->widget());
  if (!view) view = showReport();
  if (!view) return false;
  // The calculation document when the report has one: its drawings and the
  // report's pages; else the report by itself.
  const FontChoice fc = load_font_choice(settings_dir(programDir_));
  const int sheets =
      view->document()
          ? (view->document()->paint(printer) ? view->document()->pageCount() : 0)
          : print_report(printer, view->reportText(), report_font(fc.family, fc.point_size),
                         QFileInfo(view->path()).fileName());
  if (sheets == 0) {
    inform("Device Unavailable\n" + printer.printerName());
    return false;
  }
  return true;
}

void MainWindow::printReportAsked() {
  ReportView* view = nullptr;
  if (QMdiSubWindow* w = mdi_->activeSubWindow()) view = qobject_cast<ReportView*>(w->widget());
  if (!view) view = showReport();
  if (!view) return;
  if (view->state() != ResultState::current && ask(tr("Resultatet som visas hör inte till indata "
                                                      "på skärmen.\n\nVill Du skriva ut det ändå?"),
                                                   false) != 0)
    return;
  // Printing to a file offers the report's own name beside it, not a
  // "print.pdf" in the home directory.
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    const QFileInfo fi(view->path());
    printer_.setOutputFileName(fi.absoluteDir().filePath(fi.completeBaseName() + ".pdf"));
  }
  QPrintDialog d(&printer_, this);
  d.setWindowTitle(tr("Skriv ut"));
  if (d.exec() == QDialog::Accepted) printReport(printer_);
}

QByteArray MainWindow::currentInput() const {
  if (path_.isEmpty()) return {};
  QString message;
  return case_bytes(form_->currentCase(), caseName(), message);
}

void MainWindow::refreshResults() {
  const QByteArray input = currentInput();
  QStringList changed;
  for (QMdiSubWindow* w : mdi_->subWindowList())
    if (auto* r = qobject_cast<ReportView*>(w->widget())) {
      if (file_hash(r->path()) != r->shownHash()) {
        changed << r->path();
        continue;
      }
      r->setStatus(result_status(r->path(), input, dataDir_));
      markResultTitle(w);
    }
  // A report replaced or removed on disk since its window opened: the
  // window shows the file as it is now, or goes.
  for (const QString& file : changed) {
    if (QFileInfo::exists(file)) {
      showReportFile(file);
    } else {
      for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* r = qobject_cast<ReportView*>(w->widget()); r && r->path() == file) w->close();
    }
  }
}

// The tab of a result window says it too, seen from the input form.
void MainWindow::markResultTitle(QMdiSubWindow* w) {
  auto* r = qobject_cast<ReportView*>(w->widget());
  if (!r) return;
  const QString name = QFileInfo(r->path()).fileName();
  w->setWindowTitle(r->state() == ResultState::stale ? tr("Utdata - %1 (INAKTUELL)").arg(name)
                    : r->state() == ResultState::unknown
                        ? tr("Utdata - %1 (okänt ursprung)").arg(name)
                        : tr("Utdata - %1").arg(name));
}

void MainWindow::chooseResultFile() {
  const QString file = chooseReport();
  if (!file.isEmpty()) showReportFile(file);
}

void MainWindow::pageSetup() {
  QPageSetupDialog d(&printer_, this);
  d.exec();
}

void MainWindow::deleteFiles(int kind) {
  const QString dir = path_.isEmpty()
                          ? QSettings().value("files/lastDir", QDir::currentPath()).toString()
                          : caseDir();
  DeleteForm d(static_cast<DeleteKind>(kind), dir, this);
  d.setOpenCase(path_, modified_);
  d.exec();
  afterDelete();
}

// A removed case file leaves the case on screen unsaved; a removed report
// closes its result window.
void MainWindow::afterDelete() {
  if (!path_.isEmpty() && !QFileInfo::exists(path_)) setModified(true);
  refreshResults();
}

// Both outside programs work on the diaphragm exchange file "SKIVA.INS" of
// the last run, so they need a saved case computed since its last change.
void MainWindow::startOutsideProgram(const QString& name, const QStringList& args,
                                     const QString& no_diaphragm) {
  const QString exe = program_path(programDir_, name);
  if (exe.isEmpty()) {
    inform(tr("Programmet %1 är inte installerat i %2.")
               .arg(name, QDir::toNativeSeparators(programDir_)));
    return;
  }
  if (path_.isEmpty() || modified_ || changedSinceRun_) {
    inform(tr("Du måste spara filen först och göra ny beräkning!"));
    return;
  }
  if (!diaphragmWritten_ || report_path(caseDir(), "SKIVA", "INS").isEmpty()) {
    inform(no_diaphragm);
    return;
  }
  if (!QProcess::startDetached(exe, args, caseDir()))
    inform(tr("Programmet %1 kunde inte startas.").arg(name));
}

void MainWindow::startDiaphragmProgram() {
  startOutsideProgram(
      "vexlor", {}, tr("Kan ej starta vexlor eftersom beräkning med skivverkan ej är genomförd."));
}

void MainWindow::startDxfProgram() {
  startOutsideProgram(
      "Bra2DXF", {path_},
      tr("Kan ej skapa DXF-fil eftersom beräkning med skivverkan ej är genomförd."));
}

void MainWindow::openJointForm(int support) {
  CaseFile& cf = form_->data();
  const int n = form_->spans();
  cf.in.nfack = n;
  if (support <= 1 || support >= n + 1) {
    inform(
        tr("Ändstödets skarvtyp följer konsolen: en konsol på minst 0,11 m ger kontinuerligt stöd, "
           "en kortare led."));
    return;
  }
  JointForm f(cf.in, support, this);
  if (f.exec() == QDialog::Accepted) form_->dataEdited();
}

void MainWindow::openLineLoads() {
  CaseFile& cf = form_->data();
  const CaseFile now = form_->currentCase();
  cf.in.nfack = now.in.nfack;
  cf.in.spv = now.in.spv;
  LineLoadForm f(cf.in, this);
  if (f.exec() == QDialog::Accepted) form_->dataEdited();
}

void MainWindow::openSnowPocket() {
  form_->data().in.nfack = form_->spans();
  SnowPocketForm f(*form_, this);
  f.exec();
}

void MainWindow::openWindCalculator() {
  WindForm f(*form_, this);
  f.exec();
}

void MainWindow::showNewsOnce() {
  const VersionNote note = read_version_note(dataDir_);
  if (note.version.isEmpty()) return;
  QSettings s;
  if (s.value("news/hiddenVersion").toString() == note.version) return;
  if (show_news(this, note)) s.setValue("news/hiddenVersion", note.version);
}

}  // namespace kvop::editor
