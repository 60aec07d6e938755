#include "report_view.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QUrl>

#include "case_document.h"
#include "font_form.h"
#include "help.h"
#include "report_print.h"
#include "report_text.h"

namespace kvop::editor {

ReportView::ReportView(const QString& path, const QString& settings, QWidget* parent)
    : QMainWindow(parent), path_(path), settings_(settings), view_(new ReportText(this)) {
  setWindowTitle("Utdata - " + QFileInfo(path).fileName());
  view_->setObjectName("utdata");
  const FontChoice fc = load_font_choice(settings_);
  view_->setFont(report_font(fc.family, fc.point_size));
  setCentralWidget(view_);
  QFile f(path);
  if (f.open(QIODevice::ReadOnly)) {
    view_->setReport(decode_report(f.readAll()));
    loaded_ = true;
  }
  menuBar()->addAction("Återgå", this, &ReportView::closeWanted);
  menuBar()->addAction("Typsnitt", this, &ReportView::chooseFont);
  QMenu* edit = menuBar()->addMenu("Redigera");
  edit->addAction("Kopiera", QKeySequence::Copy, view_, &QPlainTextEdit::copy);
  edit->addAction("Markera allt", QKeySequence::SelectAll, view_, &QPlainTextEdit::selectAll);
  edit->addSeparator();
  edit->addAction("Öppna i textvisare", this, &ReportView::openInViewer);
  menuBar()->addAction("Hjälp", this, [this] { show_help(this, "utdata"); });
}

QString ReportView::text() const { return view_->report(); }
QFont ReportView::reportFont() const { return view_->font(); }
void ReportView::setReportFont(const QFont& f) { view_->setFont(f); }

void ReportView::chooseFont() {
  FontForm form(load_font_choice(settings_), view_->font(), this);
  if (form.exec() != QDialog::Accepted) return;
  const FontChoice c = form.choice();
  const QFont f = report_font(c.family, c.point_size);
  view_->setFont(f);
  if (!save_font_choice(settings_, c))
    QMessageBox::warning(
        this, "TYPSNITT",
        file_error_text(QFileDevice::WriteError, QDir(settings_).filePath("Brafnt.ini"), {}));
  emit fontChosen(f);
}

void ReportView::openInViewer() {
  // The file is copied to "Resultat.txt" beside it and shown by the
  // desktop's own text viewer.
  const QString copy = QFileInfo(path_).absoluteDir().filePath("Resultat.txt");
  QFile::remove(copy);
  if (!QFile::copy(path_, copy)) {
    QMessageBox::warning(this, "Utdata", file_error_text(QFileDevice::CopyError, copy, {}));
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(copy)))
    QMessageBox::information(this, "Utdata",
                             "Ingen textvisare hittades för " + QDir::toNativeSeparators(copy));
}

}  // namespace kvop::editor
