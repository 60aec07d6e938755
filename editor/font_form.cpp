#include "font_form.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardPaths>

#include "core/cp1252.h"
#include "engine_run.h"
#include "help.h"

namespace kvop::editor {

QString settings_dir(const QString& program_dir) {
  const QFileInfo pd(program_dir);
  // Beside the program only where it keeps its data beside itself (a build
  // tree, a flat installation); an installed bin/ is not the user's.
  const QString data = data_dir(program_dir);
  if (pd.isDir() && pd.isWritable() && !data.isEmpty() &&
      QFileInfo(data).canonicalFilePath() == pd.canonicalFilePath())
    return pd.absoluteFilePath();
  const QString cfg = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(cfg);
  return cfg;
}

FontChoice load_font_choice(const QString& dir) {
  FontChoice f;
  QFile file(QDir(dir).filePath("Brafnt.ini"));
  if (!file.open(QIODevice::ReadOnly)) return f;
  const QList<QByteArray> lines = file.readAll().split('\n');
  if (!lines.isEmpty())
    f.family = QString::fromStdString(cp1252::to_utf8(lines[0].trimmed().toStdString()));
  if (lines.size() > 1) f.point_size = lines[1].trimmed().toInt();
  return f;
}

bool save_font_choice(const QString& dir, const FontChoice& f) {
  QSaveFile file(QDir(dir).filePath("Brafnt.ini"));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(QByteArray::fromStdString(cp1252::from_utf8(f.family.toStdString())) + "\r\n" +
             QByteArray::number(f.point_size) + "\r\n");
  return file.commit();
}

FontForm::FontForm(const FontChoice& stored, const QFont& current, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("TYPSNITT"));
  new QShortcut(QKeySequence::HelpContents, this, [this] { show_help(this, "typsnitt"); });
  auto* g = new QGridLayout(this);
  g->addWidget(new QLabel(tr("Installerade skrivarfonter")), 0, 0);
  families_ = new QListWidget;
  families_->setObjectName("fonter");
  // Fixed-pitch fonts keep the report's columns; they are listed.
  for (const QString& fam : QFontDatabase::families())
    if (QFontDatabase::isFixedPitch(fam)) families_->addItem(fam);
  g->addWidget(families_, 1, 0, 4, 1);
  g->addWidget(new QLabel(tr("Storlek")), 5, 0);
  size_ = new QSpinBox;
  size_->setRange(5, 24);
  size_->setValue(current.pointSize() > 0 ? current.pointSize() : 9);
  g->addWidget(size_, 6, 0);
  g->addWidget(new QLabel(tr("Lagrat fontval")), 0, 1);
  g->addWidget(new QLabel(stored.family.isEmpty()
                              ? tr("(inget)")
                              : QString("%1 %2").arg(stored.family).arg(stored.point_size)),
               1, 1);
  g->addWidget(new QLabel(tr("Visas just nu")), 2, 1);
  auto* now = new QLabel(QString("%1 %2").arg(current.family()).arg(current.pointSize()));
  now->setFont(current);
  g->addWidget(now, 3, 1);
  const auto found = families_->findItems(current.family(), Qt::MatchFixedString);
  if (!found.isEmpty()) families_->setCurrentItem(found.front());
  auto* ok = new QPushButton(tr("OK / Stäng"));
  auto* cancel = new QPushButton(tr("Avbryt / Stäng"));
  g->addWidget(ok, 5, 1);
  g->addWidget(cancel, 6, 1);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

FontChoice FontForm::choice() const {
  FontChoice f;
  if (families_->currentItem()) f.family = families_->currentItem()->text();
  f.point_size = size_->value();
  return f;
}

}  // namespace kvop::editor
