#include "compare_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "messages.h"
#include "run_result.h"

namespace kvop::editor {

namespace {

QString governs_text(const QJsonObject& g) {
  const QString kind = g["kind"].toString();
  const int n = g["number"].toInt(), lc = g["load_case"].toInt();
  QString where = kind == "support" ? CompareDialog::tr("stöd %1").arg(n)
                  : kind == "span"  ? CompareDialog::tr("fack %1").arg(n)
                                    : CompareDialog::tr("fack %1 (nedböjning)").arg(n);
  return CompareDialog::tr("%1, lastfall %2").arg(where).arg(lc);
}

QString walk_text(const QJsonValue& w) {
  if (!w.isObject()) return CompareDialog::tr("ej kontrollerad");
  QStringList spans;
  for (const QJsonValue& s : w.toObject()["spans"].toArray()) spans << QString::number(s.toInt());
  QString t = spans.isEmpty() ? CompareDialog::tr("OK")
                              : CompareDialog::tr("överskriden i fack %1").arg(spans.join(", "));
  if (w.toObject()["max_sheet_length"].toBool())
    t += CompareDialog::tr("; max plåtlängd överskriden");
  return t;
}

QTableWidgetItem* cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

// Numbers sort as numbers and show with a decimal comma.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(double v, int decimals) : v_(v) {
    setText(decimal(v, decimals));
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  }
  bool operator<(const QTableWidgetItem& o) const override {
    if (const auto* n = dynamic_cast<const NumberItem*>(&o)) return v_ < n->v_;
    return QTableWidgetItem::operator<(o);
  }

 private:
  double v_;
};

}  // namespace

QVector<ComparedProfile> read_comparison(const QByteArray& account) {
  QVector<ComparedProfile> out;
  const QJsonObject a = QJsonDocument::fromJson(account).object();
  for (const QJsonValue& v : a["comparison"].toArray()) {
    const QJsonObject o = v.toObject();
    ComparedProfile p;
    p.designation = o["designation"].toString().trimmed();
    for (const QJsonValue& t : o["plattj"].toArray()) p.plattj << t.toDouble();
    p.weight = o["weight_kg_m2"].toDouble();
    p.maxRatio = o["max_ratio"].toDouble();
    p.governs = governs_text(o["governs"].toObject());
    p.walk = walk_text(o["walkability"]);
    p.passes = o["passes"].toBool();
    out << p;
  }
  return out;
}

CompareDialog::CompareDialog(const QString& program_dir, const QString& data_dir,
                             const QByteArray& input, const QString& case_name, QWidget* parent)
    : QDialog(parent),
      programDir_(program_dir),
      dataDir_(data_dir),
      caseName_(case_name),
      input_(input) {
  setWindowTitle(tr("Jämför profiler - %1").arg(case_name));
  auto* layout = new QVBoxLayout(this);
  status_ = new QLabel(tr("Beräkning pågår.."), this);
  status_->setWordWrap(true);
  layout->addWidget(status_);
  table_ = new QTableWidget(0, 8, this);
  table_->setObjectName("jamforelse");
  // "Nr" is the rank of the comparison: sorting by it restores that order.
  table_->setHorizontalHeaderLabels({tr("Nr"), tr("Profil"), tr("Vikt\nkg/m²"),
                                     tr("Största\nutnyttjande %"), tr("Var"), tr("Gångbarhet"),
                                     tr("Klarar\nsig"), tr("Tjocklek per fack\nmm")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table_);
  auto* buttons = new QDialogButtonBox(this);
  choose_ = buttons->addButton(tr("Välj profil"), QDialogButtonBox::AcceptRole);
  choose_->setEnabled(false);
  buttons->addButton(tr("Stäng"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(choose_, &QPushButton::clicked, this, [this] { chooseRow(table_->currentRow()); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { chooseRow(row); });
  connect(table_, &QTableWidget::itemSelectionChanged, this,
          [this] { choose_->setEnabled(!table_->selectedItems().isEmpty()); });
  connect(&engine_, &EngineRun::finished, this, &CompareDialog::finished);
  resize(920, 640);
}

CompareDialog::~CompareDialog() {
  if (engine_.running()) {
    engine_.cancel();
    engine_.wait(5000);
  }
}

bool CompareDialog::start(QString& message) {
  runDir_ = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath("kvop-jmf-XXXXXX"));
  if (!runDir_->isValid()) {
    message = runDir_->errorString();
    return false;
  }
  return prepare_run(runDir_->path(), input_, dataDir_, message) &&
         engine_.start(programDir_, runDir_->path(), message, kAccountFile, {"--profiles", "all"});
}

void CompareDialog::finished(int code, const QString& console) {
  QFile f(QDir(runDir_->path()).filePath(kAccountFile));
  profiles_ = read_comparison(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
  runDir_.reset();
  if (code != 0 || profiles_.isEmpty()) {
    status_->setText(tr("Jämförelsen misslyckades (slutstatus %1).\n\n%2")
                         .arg(code)
                         .arg(engine_messages(console)));
    return;
  }
  status_->setText(
      tr("%1 dimensionerat med var och en av profildatabasens %2 profiler, lättaste profil som "
         "klarar sig först. Vikten är plåtens egentyngd per m², medelvärde över fack och "
         "konsoler. Välj en rad för att ta profilen till fallet.")
          .arg(caseName_)
          .arg(profiles_.size()));
  fill();
}

void CompareDialog::fill() {
  table_->setSortingEnabled(false);
  table_->setRowCount(static_cast<int>(profiles_.size()));
  for (int r = 0; r < profiles_.size(); ++r) {
    const ComparedProfile& p = profiles_[r];
    QStringList t;
    for (double v : p.plattj) t << decimal(v, 2);
    table_->setItem(r, 0, new NumberItem(r + 1, 0));
    table_->setItem(r, 1, cell(p.designation));
    table_->setItem(r, 2, new NumberItem(p.weight, 2));
    table_->setItem(r, 3, new NumberItem(p.maxRatio * 100.0, 0));
    table_->setItem(r, 4, cell(p.governs));
    table_->setItem(r, 5, cell(p.walk));
    auto* passes = cell(p.passes ? tr("Ja") : tr("Nej"));
    if (!p.passes) passes->setForeground(Qt::red);
    table_->setItem(r, 6, passes);
    table_->setItem(r, 7, cell(t.join("  ")));
  }
  table_->resizeColumnsToContents();
  // Room for the sort arrow beside the short heading.
  table_->setColumnWidth(0, table_->columnWidth(0) + table_->fontMetrics().horizontalAdvance("MM"));
  table_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
}

void CompareDialog::chooseRow(int row) {
  if (row < 0 || row >= table_->rowCount() || !table_->item(row, 1)) return;
  emit profileChosen(table_->item(row, 1)->text());
  accept();
}

}  // namespace kvop::editor
