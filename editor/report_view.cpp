#include "report_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>

#include "calc_document.h"
#include "case_document.h"
#include "font_form.h"
#include "help.h"
#include "report_print.h"
#include "report_text.h"

namespace kvop::editor {

// One drawing page of the calculation document, as wide as its panel.
class DocumentPage : public QWidget {
 public:
  DocumentPage(const CalcDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setMinimumWidth(300);
  }
  void showPage(int index) {
    index_ = index;
    update();
  }
  int index() const { return index_; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int w) const override {
    return static_cast<int>(w * kPageHeight / kPageWidth);
  }

 protected:
  void resizeEvent(QResizeEvent*) override { setMinimumHeight(heightForWidth(width())); }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.scale(width() / kPageWidth, width() / kPageWidth);
    doc_.drawPage(p, index_);
  }

 private:
  const CalcDocument& doc_;
  int index_ = 0;
};

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
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(view_);
  v->addWidget(split, 1);
  setCentralWidget(central);
  QFile f(path);
  if (f.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = f.readAll();
    hash_ = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    report_ = decode_report(bytes);
    view_->setReport(report_);
    loaded_ = true;
  }
  // The diagrams beside the text, drawn from the account of the run that
  // wrote exactly the report shown.
  if (loaded_) {
    const std::optional<RunRecord> rec = load_run_record(path);
    if (rec && !rec->account.isEmpty() && rec->reportHash == hash_) {
      CalcRecord r = read_calc_record(rec->account, report_);
      if (r.readable) document_ = std::make_unique<CalcDocument>(std::move(r));
    }
  }
  auto* panel = new QWidget(this);
  auto* pv = new QVBoxLayout(panel);
  pv->setContentsMargins(4, 4, 4, 4);
  if (document_) {
    pages_ = new QComboBox(panel);
    pages_->setObjectName("diagram_sida");
    // The drawn pages; the report's own pages are the text beside them.
    const QStringList titles = document_->pageTitles();
    for (int i = 0; i < document_->drawnPages(); ++i) pages_->addItem(titles[i], i);
    page_ = new DocumentPage(*document_, panel);
    auto* scroll = new QScrollArea(panel);
    scroll->setWidget(page_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    pv->addWidget(pages_);
    pv->addWidget(scroll, 1);
    connect(pages_, &QComboBox::currentIndexChanged, this,
            [this](int i) { page_->showPage(pages_->itemData(i).toInt()); });
  } else {
    auto* none = new QLabel(tr("Diagrammen visas för en rapport som beräknats med detta program "
                               "och inte ändrats sedan. Beräkna fallet för att se dem."),
                            panel);
    none->setObjectName("diagram_saknas");
    none->setWordWrap(true);
    pv->addWidget(none);
    pv->addStretch(1);
  }
  split->addWidget(panel);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  menuBar()->addAction(tr("Återgå"), this, &ReportView::closeWanted);
  menuBar()->addAction(tr("Typsnitt"), this, &ReportView::chooseFont);
  QMenu* edit = menuBar()->addMenu(tr("Redigera"));
  edit->addAction(tr("Kopiera"), QKeySequence::Copy, view_, &QPlainTextEdit::copy);
  edit->addAction(tr("Markera allt"), QKeySequence::SelectAll, view_, &QPlainTextEdit::selectAll);
  edit->addSeparator();
  edit->addAction(tr("Öppna i textvisare"), this, &ReportView::openInViewer);
  QAction* pdf = menuBar()->addAction(tr("Spara som PDF..."), this, [this] { savePdf(); });
  pdf->setObjectName("spara_pdf");
  pdf->setEnabled(document_ != nullptr);
  choosePdf = [this](const QString& suggested) {
    return QFileDialog::getSaveFileName(this, tr("Spara som PDF"), suggested, tr("PDF (*.pdf)"));
  };
  inform = [this](const QString& t) { QMessageBox::warning(this, tr("Utdata"), t); };
  menuBar()->addAction(tr("Hjälp"), this, [this] { show_help(this, "utdata"); });
}

ReportView::~ReportView() = default;

QString ReportView::text() const { return report_; }

bool ReportView::savePdf() {
  if (!document_) return false;
  const QFileInfo fi(path_);
  const QString file = choosePdf(fi.absoluteDir().filePath(fi.completeBaseName() + ".pdf"));
  if (file.isEmpty()) return false;
  QString message;
  if (document_->writePdf(file, message)) return true;
  inform(message);
  return false;
}

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
