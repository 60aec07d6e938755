#include "news_form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/cp1252.h"

namespace kvop::editor {

const char* const kNoticeText = QT_TRANSLATE_NOOP(
    "Notice",
    "Vissa begränsningar finns inbyggda i programmet genom att det inte acceptera storheter "
    "utanför "
    "vissa gränser. Det har dock inte varit möjligt att begränsa de kombinationer av indata som är "
    "olämpliga men ändå kan ge ett svar av datorn. Användaren av programmet måste därför själv "
    "ansvara "
    "för att använda programmen med ett ingenjörsmässigt omdöme och komma ihåg att de är skrivna "
    "för "
    "normal användning av profilerad plåt.");

VersionNote read_version_note(const QString& program_dir) {
  VersionNote n;
  QFile f(QDir(program_dir).filePath("kvop.ver"));
  if (!f.open(QIODevice::ReadOnly)) return n;
  const QString text = QString::fromStdString(cp1252::to_utf8(f.readAll().toStdString()));
  QStringList lines = text.split('\n');
  for (QString& l : lines) l = l.trimmed();
  if (!lines.isEmpty()) n.version = lines.takeFirst();
  for (const QString& l : lines)
    if (!l.isEmpty()) n.changes << l;
  return n;
}

bool show_news(QWidget* parent, const VersionNote& note) {
  QDialog d(parent);
  d.setWindowTitle("KVOP");
  auto* v = new QVBoxLayout(&d);
  auto* head = new QLabel(
      QCoreApplication::translate("Notice", "Brasko för Windows ver %1").arg(note.version));
  QFont f = head->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() + 2);
  head->setFont(f);
  v->addWidget(head);
  v->addWidget(new QLabel(QCoreApplication::translate("Notice", "FÖRÄNDRINGAR i denna version:")));
  for (const QString& c : note.changes) v->addWidget(new QLabel(c));
  auto* hide = new QCheckBox(QCoreApplication::translate("Notice", "Visa inte detta nästa gång"));
  v->addWidget(hide);
  auto* ok = new QPushButton("OK");
  QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
  v->addWidget(ok, 0, Qt::AlignRight);
  d.exec();
  return hide->isChecked();
}

void show_notice(QWidget* parent) {
  QMessageBox box(QMessageBox::Information, QCoreApplication::translate("Notice", "Viktigt"),
                  QCoreApplication::translate("Notice", kNoticeText), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace kvop::editor
