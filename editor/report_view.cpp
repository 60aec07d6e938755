#include "report_view.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QUrl>
#include <QVBoxLayout>

#include "case_document.h"
#include "font_form.h"
#include "help.h"
#include "report_print.h"
#include "report_text.h"

namespace kvop::editor {

ReportView::ReportView(const QString& path, const QString& settings, QWidget* parent)
    : QMainWindow(parent),
      path_(path),
      settings_(settings),
      view_(new ReportText(this)),
      status_(new QLabel(this)) {
  setWindowTitle(tr("Utdata - %1").arg(QFileInfo(path).fileName()));
  view_->setObjectName("utdata");
  const FontChoice fc = load_font_choice(settings_);
  view_->setFont(report_font(fc.family, fc.point_size));
  status_->setObjectName("resultat_status");
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_->setMargin(6);
  auto* central = new QWidget(this);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);
  v->addWidget(status_);
  v->addWidget(view_, 1);
  setCentralWidget(central);
  QFile f(path);
  if (f.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = f.readAll();
    hash_ = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    report_ = decode_report(bytes);
    view_->setReport(report_);
    loaded_ = true;
  }
  menuBar()->addAction(tr("Återgå"), this, &ReportView::closeWanted);
  menuBar()->addAction(tr("Typsnitt"), this, &ReportView::chooseFont);
  QMenu* edit = menuBar()->addMenu(tr("Redigera"));
  edit->addAction(tr("Kopiera"), QKeySequence::Copy, view_, &QPlainTextEdit::copy);
  edit->addAction(tr("Markera allt"), QKeySequence::SelectAll, view_, &QPlainTextEdit::selectAll);
  edit->addSeparator();
  edit->addAction(tr("Öppna i textvisare"), this, &ReportView::openInViewer);
  menuBar()->addAction(tr("Hjälp"), this, [this] { show_help(this, "utdata"); });
}

QString ReportView::text() const { return report_; }

void ReportView::setStatus(const ResultStatus& s) {
  state_ = s.state;
  // Green for a result of the case on screen, red for one of other input,
  // yellow for a report of unknown origin.
  const char* colour = s.state == ResultState::current ? "#d8f0d8"
                       : s.state == ResultState::stale ? "#f8c8c8"
                                                       : "#fff0b0";
  status_->setStyleSheet(QString("QLabel { background: %1; color: black; }").arg(colour));
  QStringList html;
  html << "<b>" + s.headline.toHtmlEscaped() + "</b>";
  for (const QString& l : s.lines) html << l.toHtmlEscaped();
  status_->setText(html.join("<br>"));
  statusPlain_ = (QStringList{s.headline} + s.lines).join('\n');
}

QString ReportView::statusText() const { return statusPlain_; }
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
        this, tr("TYPSNITT"),
        file_error_text(QFileDevice::WriteError, QDir(settings_).filePath("Brafnt.ini"), {}));
  emit fontChosen(f);
}

void ReportView::openInViewer() {
  // The file is copied to "Resultat.txt" beside it and shown by the
  // desktop's own text viewer.
  const QString copy = QFileInfo(path_).absoluteDir().filePath("Resultat.txt");
  QFile::remove(copy);
  if (!QFile::copy(path_, copy)) {
    QMessageBox::warning(this, tr("Utdata"), file_error_text(QFileDevice::CopyError, copy, {}));
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(copy)))
    QMessageBox::information(
        this, tr("Utdata"),
        tr("Ingen textvisare hittades för %1").arg(QDir::toNativeSeparators(copy)));
}

}  // namespace kvop::editor
