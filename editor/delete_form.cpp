#include "delete_form.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "help.h"

namespace kvop::editor {

QStringList delete_patterns(DeleteKind kind) {
  switch (kind) {
    case DeleteKind::results: return {"*.RED", "*.spc"};
    case DeleteKind::inputs: return {"*.IND"};
    case DeleteKind::both:
    default: return {"*.RED", "*.spc", "*.IND"};
  }
}

QStringList remove_files(const QStringList& paths) {
  QStringList failed;
  for (const QString& p : paths)
    if (!QFile::remove(p)) failed << QFileInfo(p).fileName();
  return failed;
}

bool confirm_delete(QWidget* parent, const QStringList& names) {
  QDialog d(parent);
  d.setWindowTitle("Bekräfta");
  auto* v = new QVBoxLayout(&d);
  v->addWidget(new QLabel("Är Du säker på att Du vill ta bort:"));
  auto* list = new QLabel(names.join("\n"));
  list->setObjectName("namn");
  v->addWidget(list);
  auto* box = new QDialogButtonBox;
  auto* yes = box->addButton("Ja", QDialogButtonBox::AcceptRole);
  box->addButton("Ångra", QDialogButtonBox::RejectRole);
  yes->setObjectName("ja");
  QObject::connect(box, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  v->addWidget(box);
  return d.exec() == QDialog::Accepted;
}

DeleteForm::DeleteForm(DeleteKind kind, const QString& dir, QWidget* parent)
    : QDialog(parent), kind_(kind), dir_(dir) {
  setWindowTitle(kind == DeleteKind::results  ? "Ta bort Resultatfiler"
                 : kind == DeleteKind::inputs ? "Ta bort Indatafiler"
                                              : "Ta bort Resultat+Indatafiler");
  auto* g = new QGridLayout(this);
  g->addWidget(new QLabel("Clicka med musen på de Filer Du vill ta bort"), 0, 0, 1, 2);
  g->addWidget(new QLabel("Clicka sedan på 'Ta bort'"), 1, 0, 1, 2);
  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QDir::rootPath());
  dirs_ = new QTreeView;
  dirs_->setModel(model_);
  for (int c = 1; c < model_->columnCount(); ++c) dirs_->hideColumn(c);
  dirs_->setHeaderHidden(true);
  g->addWidget(dirs_, 2, 0);
  files_ = new QListWidget;
  files_->setObjectName("filer");
  files_->setSelectionMode(QAbstractItemView::MultiSelection);
  g->addWidget(files_, 2, 1);
  auto* remove = new QPushButton("Ta bort");
  auto* close = new QPushButton("Avsluta");
  auto* help = new QPushButton("Hjälp");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(remove);
  buttons->addWidget(close);
  buttons->addWidget(help);
  g->addLayout(buttons, 3, 0, 1, 2);
  connect(dirs_, &QTreeView::clicked, this,
          [this](const QModelIndex& i) { setDirectory(model_->filePath(i)); });
  connect(remove, &QPushButton::clicked, this, [this] { removeChosen(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { show_help(this, "tabort"); });
  resize(640, 420);
  setDirectory(dir);
}

void DeleteForm::setDirectory(const QString& dir) {
  dir_ = dir;
  const QModelIndex i = model_->index(dir);
  dirs_->setCurrentIndex(i);
  dirs_->scrollTo(i);
  refresh();
}

void DeleteForm::refresh() {
  files_->clear();
  QDir d(dir_);
  d.setNameFilters(delete_patterns(kind_));
  d.setFilter(QDir::Files);
  files_->addItems(d.entryList());
}

QStringList DeleteForm::selectedPaths() const {
  QStringList paths;
  for (const QListWidgetItem* it : files_->selectedItems())
    paths << QDir(dir_).filePath(it->text());
  return paths;
}

bool DeleteForm::removeChosen() {
  const QStringList paths = selectedPaths();
  if (paths.isEmpty()) return false;
  QStringList names;
  for (const QString& p : paths) names << QFileInfo(p).fileName();
  if (!confirm_delete(this, names)) return false;
  const QStringList failed = remove_files(paths);
  if (!failed.isEmpty()) QMessageBox::warning(this, "Ta bort", "Disk Error\n" + failed.join("\n"));
  refresh();
  return failed.isEmpty();
}

}  // namespace kvop::editor
