#include "delete_form.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
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
  d.setWindowTitle(DeleteForm::tr("Bekräfta"));
  auto* v = new QVBoxLayout(&d);
  v->addWidget(new QLabel(DeleteForm::tr("Är Du säker på att Du vill ta bort:")));
  auto* list = new QLabel(names.join("\n"));
  list->setObjectName("namn");
  v->addWidget(list);
  auto* box = new QDialogButtonBox;
  auto* yes = box->addButton(DeleteForm::tr("Ja"), QDialogButtonBox::AcceptRole);
  box->addButton(DeleteForm::tr("Ångra"), QDialogButtonBox::RejectRole);
  yes->setObjectName("ja");
  QObject::connect(box, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  v->addWidget(box);
  return d.exec() == QDialog::Accepted;
}

// The roots and the directory chain are kept as clean absolute paths with
// forward slashes, as Qt gives them on every system.
QStringList drive_roots() {
  QStringList roots{QDir::rootPath()};
  QStringList others;
  for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
    if (!s.isValid() || !s.isReady()) continue;
    const QString r = QDir::cleanPath(s.rootPath());
    // A container mounts single files too (/etc/hosts); they hold no files.
    if (!QFileInfo(r).isDir() || roots.contains(r) || others.contains(r)) continue;
    others << r;
  }
  others.sort();
  return roots + others;
}

QString root_of(const QString& dir, const QStringList& roots) {
  QString best;
  for (const QString& r : roots) {
    const bool below = dir == r || dir.startsWith(r.endsWith('/') ? r : r + '/');
    if (below && r.size() > best.size()) best = r;
  }
  return best.isEmpty() && !roots.isEmpty() ? roots.front() : best;
}

DeleteForm::DeleteForm(DeleteKind kind, const QString& dir, QWidget* parent)
    : QDialog(parent), kind_(kind) {
  confirm = [this](const QStringList& names) { return confirm_delete(this, names); };
  inform = [this](const QString& text) { QMessageBox::warning(this, tr("Ta bort"), text); };
  confirmOpenCase = [this](const QString& text) {
    QMessageBox box(QMessageBox::Warning, tr("Ta bort"), text, QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(tr("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("Nej"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.exec();
    return box.clickedButton() == yes;
  };
  setWindowTitle(kind == DeleteKind::results  ? tr("Ta bort Resultatfiler")
                 : kind == DeleteKind::inputs ? tr("Ta bort Indatafiler")
                                              : tr("Ta bort Resultat+Indatafiler"));
  auto* g = new QGridLayout(this);
  g->addWidget(new QLabel(tr("Clicka med musen på de Filer Du vill ta bort")), 0, 0, 1, 2);
  g->addWidget(new QLabel(tr("Clicka sedan på 'Ta bort'")), 1, 0, 1, 2);

  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(tr("Enhet")));
  drives_ = new QComboBox;
  drives_->setObjectName("enheter");
  const QIcon drive = style()->standardIcon(QStyle::SP_DriveHDIcon);
  for (const QString& r : drive_roots()) drives_->addItem(drive, QDir::toNativeSeparators(r), r);
  left->addWidget(drives_);
  left->addWidget(new QLabel(tr("Katalog")));
  path_ = new QLabel;
  path_->setObjectName("katalog");
  path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  left->addWidget(path_);
  dirs_ = new QTreeWidget;
  dirs_->setObjectName("kataloger");
  dirs_->setHeaderHidden(true);
  dirs_->setRootIsDecorated(false);
  dirs_->setItemsExpandable(false);
  // The chain is always open: no arrows that promise to fold it.
  dirs_->setStyleSheet("QTreeView::branch { image: none; border-image: none; }");
  left->addWidget(dirs_, 1);
  g->addLayout(left, 2, 0);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(tr("Filer (%1)").arg(delete_patterns(kind).join(" "))));
  files_ = new QListWidget;
  files_->setObjectName("filer");
  files_->setSelectionMode(QAbstractItemView::MultiSelection);
  right->addWidget(files_, 1);
  g->addLayout(right, 2, 1);
  g->setColumnStretch(0, 1);
  g->setColumnStretch(1, 1);
  g->setRowStretch(2, 1);

  auto* remove = new QPushButton(tr("Ta bort"));
  remove->setObjectName("ta_bort");
  auto* close = new QPushButton(tr("Avsluta"));
  auto* help = new QPushButton(tr("Hjälp"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(remove);
  buttons->addWidget(close);
  buttons->addWidget(help);
  g->addLayout(buttons, 3, 0, 1, 2);

  // A drive opens at its root; a directory opens with a double click or
  // Enter, as the list rebuilds itself around the directory it opens.
  connect(drives_, &QComboBox::activated, this,
          [this](int i) { setDirectory(drives_->itemData(i).toString()); });
  connect(dirs_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* it) { setDirectory(it->data(0, Qt::UserRole).toString()); });
  connect(remove, &QPushButton::clicked, this, [this] { removeChosen(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { show_help(this, "tabort"); });
  resize(680, 440);
  setDirectory(dir);
}

void DeleteForm::setDirectory(const QString& dir) {
  QString d = QDir::cleanPath(QDir(dir).absolutePath());
  while (!QFileInfo(d).isDir()) {
    const QString up = QFileInfo(d).absolutePath();
    if (up == d) break;
    d = up;
  }
  dir_ = d;
  QStringList roots;
  for (int i = 0; i < drives_->count(); ++i) roots << drives_->itemData(i).toString();
  drives_->setCurrentIndex(static_cast<int>(roots.indexOf(root_of(dir_, roots))));
  path_->setText(QDir::toNativeSeparators(dir_));
  fillDirectories();
  refresh();
}

// The directories from the drive's root down to the chosen one, each as an
// open folder one step further in, then the chosen one's subdirectories.
void DeleteForm::fillDirectories() {
  dirs_->clear();
  const QString root = drives_->currentData().toString();
  QStringList chain;
  for (QString d = dir_;; d = QFileInfo(d).absolutePath()) {
    chain.prepend(d);
    if (d == root || QFileInfo(d).absolutePath() == d) break;
  }
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  QTreeWidgetItem* parent = nullptr;
  const auto add = [&](const QIcon& icon, const QString& path, const QString& name) {
    auto* it = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(dirs_, {name});
    it->setIcon(0, icon);
    it->setData(0, Qt::UserRole, path);
    return it;
  };
  for (const QString& d : chain) {
    parent = add(open, d, parent ? QFileInfo(d).fileName() : QDir::toNativeSeparators(d));
    parent->setExpanded(true);
  }
  dirs_->setCurrentItem(parent);
  const QDir here(dir_);
  for (const QString& sub : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    add(closed, here.filePath(sub), sub);
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

void DeleteForm::setOpenCase(const QString& path, bool modified) {
  openCase_ = path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
  openModified_ = modified;
}

bool DeleteForm::removeChosen() {
  const QStringList paths = selectedPaths();
  if (paths.isEmpty()) return false;
  for (const QString& p : paths) {
    if (openCase_.isEmpty() || QFileInfo(p).canonicalFilePath() != openCase_) continue;
    const QString name = QFileInfo(p).fileName();
    if (openModified_) {
      inform(tr("%1 är det fall som är öppet, med ändringar som inte är sparade.\n"
                "Filen tas inte bort. Spara fallet eller stäng det först.")
                 .arg(name));
      return false;
    }
    if (!confirmOpenCase(
            tr("OBS! %1 är det fall som är öppet i KVOP.\n\nTas filen bort finns fallet "
               "bara kvar på skärmen tills Du sparar det igen.\n\n"
               "Vill Du ändå ta bort den?")
                .arg(name)))
      return false;
  }
  QStringList names;
  for (const QString& p : paths) names << QFileInfo(p).fileName();
  if (!confirm(names)) return false;
  const QStringList failed = remove_files(paths);
  if (!failed.isEmpty()) inform("Disk Error\n" + failed.join("\n"));
  refresh();
  return failed.isEmpty();
}

}  // namespace kvop::editor
