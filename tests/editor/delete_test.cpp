// The file deletion dialog: the drive, directory and file lists, the files
// of each of the three kinds, and removal only after "Ja".
#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "delete_form.h"
#include "editor_test_support.h"

using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

QStringList shown_files(const DeleteForm& d) {
  QStringList names;
  for (int i = 0; i < d.fileList()->count(); ++i) names << d.fileList()->item(i)->text();
  names.sort();
  return names;
}

// The paths of the directory list, top to bottom.
QStringList shown_dirs(const DeleteForm& d) {
  QStringList paths;
  for (QTreeWidgetItemIterator it(d.directoryList()); *it; ++it)
    paths << (*it)->data(0, Qt::UserRole).toString();
  return paths;
}

QTreeWidgetItem* dir_item(const DeleteForm& d, const QString& path) {
  for (QTreeWidgetItemIterator it(d.directoryList()); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toString() == path) return *it;
  return nullptr;
}

void select(DeleteForm& d, const QStringList& names) {
  for (const QString& n : names) {
    const auto found = d.fileList()->findItems(n, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(n));
    found.front()->setSelected(true);
  }
}

}  // namespace

class DeleteTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }

  void eachKindListsItsFilesOnly() {
    auto dir = scratch();
    for (const char* n : {"A.RED", "A.spc", "A.IND", "b.ind", "NOTES.TXT", "A.RED.BAK"})
      QVERIFY(write_file(dir->filePath(n), "x"));
    QDir(dir->path()).mkpath("SUB.IND");  // a directory is no case
    // Names match in any case: a case saved by hand in small letters is a case.
    QCOMPARE(shown_files(DeleteForm(DeleteKind::results, dir->path())),
             QStringList({"A.RED", "A.spc"}));
    QCOMPARE(shown_files(DeleteForm(DeleteKind::inputs, dir->path())),
             QStringList({"A.IND", "b.ind"}));
    QCOMPARE(shown_files(DeleteForm(DeleteKind::both, dir->path())),
             QStringList({"A.IND", "A.RED", "A.spc", "b.ind"}));
  }

  void driveOfADirectoryIsTheDeepestRootAboveIt() {
    const QStringList roots{"/", "/mnt", "/mnt/data"};
    QCOMPARE(root_of("/mnt/data/kvop", roots), QString("/mnt/data"));
    QCOMPARE(root_of("/mnt/data", roots), QString("/mnt/data"));
    QCOMPARE(root_of("/mnt/database", roots), QString("/mnt"));  // not below /mnt/data
    QCOMPARE(root_of("/home/x", roots), QString("/"));
    QCOMPARE(root_of("D:/KVOP", {"C:/", "D:/"}), QString("D:/"));
    // The system's root is always the first drive.
    QStringList drives = drive_roots();
    QVERIFY(!drives.isEmpty());
    QCOMPARE(drives.front(), QDir::rootPath());
    QCOMPARE(drives.removeDuplicates(), 0);
  }

  void directoryListLeadsFromTheDriveDownAndIntoSubdirectories() {
    auto dir = scratch();
    const QString here = QDir::cleanPath(dir->path());
    QDir(here).mkpath("SUB/DEEP");
    QDir(here).mkpath("ANNAN");
    QVERIFY(write_file(here + "/SUB/S.IND", "x"));
    QVERIFY(write_file(here + "/T.IND", "x"));
    DeleteForm d(DeleteKind::inputs, here);
    // The drive holding the directory is chosen.
    const QString drive = d.driveList()->currentData().toString();
    QCOMPARE(drive, root_of(here, drive_roots()));
    // From the drive's root down to the directory, which is the current
    // item, then its subdirectories in name order.
    const QStringList dirs = shown_dirs(d);
    QCOMPARE(dirs.front(), drive);
    QCOMPARE(dirs.mid(dirs.size() - 3), QStringList({here, here + "/ANNAN", here + "/SUB"}));
    QCOMPARE(d.directoryList()->currentItem()->data(0, Qt::UserRole).toString(), here);
    QCOMPARE(shown_files(d), QStringList({"T.IND"}));
    // Opening a subdirectory shows its files; opening the parent goes back.
    emit d.directoryList()->itemActivated(dir_item(d, here + "/SUB"), 0);
    QCOMPARE(d.directory(), here + "/SUB");
    QCOMPARE(shown_files(d), QStringList({"S.IND"}));
    QCOMPARE(shown_dirs(d).last(), here + "/SUB/DEEP");
    emit d.directoryList()->itemActivated(dir_item(d, here), 0);
    QCOMPARE(d.directory(), here);
    // A directory that is gone shows the nearest one above it.
    d.setDirectory(here + "/GONE/AWAY");
    QCOMPARE(d.directory(), here);
    // Choosing the drive opens its root.
    emit d.driveList()->activated(d.driveList()->currentIndex());
    QCOMPARE(d.directory(), drive);
  }

  void chosenFilesGoOnlyAfterJa() {
    auto dir = scratch();
    for (const char* n : {"A.RED", "A.IND", "B.RED", "B.IND"})
      QVERIFY(write_file(dir->filePath(n), "x"));
    DeleteForm d(DeleteKind::both, dir->path());
    QStringList asked;
    bool answer = false;  // "Ångra"
    d.confirm = [&](const QStringList& names) {
      asked = names;
      return answer;
    };
    QVERIFY(!d.removeChosen());  // nothing chosen: nothing asked
    QVERIFY(asked.isEmpty());
    select(d, {"A.RED", "A.IND"});
    QVERIFY(!d.removeChosen());
    asked.sort();
    QCOMPARE(asked, QStringList({"A.IND", "A.RED"}));
    QVERIFY(QFile::exists(dir->filePath("A.RED")));
    QVERIFY(QFile::exists(dir->filePath("A.IND")));
    answer = true;  // "Ja"
    QVERIFY(d.removeChosen());
    QVERIFY(!QFile::exists(dir->filePath("A.RED")));
    QVERIFY(!QFile::exists(dir->filePath("A.IND")));
    QCOMPARE(shown_files(d), QStringList({"B.IND", "B.RED"}));
  }

  void openCaseIsWarnedOfAndKeptWhileItHasUnsavedChanges() {
    auto dir = scratch();
    for (const char* n : {"A.IND", "B.IND"}) QVERIFY(write_file(dir->filePath(n), "x"));
    int asked = 0, warned = 0;
    QStringList told;
    auto form = [&](bool modified, bool answer) {
      auto d = std::make_unique<DeleteForm>(DeleteKind::inputs, dir->path());
      d->setOpenCase(dir->filePath("A.IND"), modified);
      d->confirm = [&](const QStringList&) {
        ++asked;
        return true;
      };
      d->confirmOpenCase = [&, answer](const QString& text) {
        ++warned;
        told << text;
        return answer;
      };
      d->inform = [&](const QString& text) { told << text; };
      return d;
    };
    // Unsaved changes: the open case's file stays, and so do the others chosen with it.
    auto d = form(true, true);
    select(*d, {"A.IND", "B.IND"});
    QVERIFY(!d->removeChosen());
    QVERIFY(QFile::exists(dir->filePath("A.IND")));
    QVERIFY(QFile::exists(dir->filePath("B.IND")));
    QCOMPARE(warned, 0);
    QVERIFY(told.last().contains("inte är sparade"));
    // Saved: a warning of its own first; "Nej" keeps it.
    d = form(false, false);
    select(*d, {"A.IND"});
    QVERIFY(!d->removeChosen());
    QCOMPARE(warned, 1);
    QVERIFY(told.last().startsWith("OBS! A.IND"));
    QCOMPARE(asked, 0);
    QVERIFY(QFile::exists(dir->filePath("A.IND")));
    // "Ja" to both questions removes it.
    d = form(false, true);
    select(*d, {"A.IND"});
    QVERIFY(d->removeChosen());
    QVERIFY(!QFile::exists(dir->filePath("A.IND")));
    // Another case's file needs no warning of its own.
    warned = 0;
    d = form(false, true);
    select(*d, {"B.IND"});
    QVERIFY(d->removeChosen());
    QCOMPARE(warned, 0);
  }

  void removedOpenCaseLeavesTheCaseUnsaved() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("VAGG1.IND"), dir->filePath("VAGG1.IND")));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("VAGG1.IND")));
    QVERIFY(!t.w.modified());
    QFile::remove(dir->filePath("VAGG1.IND"));
    t.w.afterDelete();
    QVERIFY(t.w.modified());
  }
};

QTEST_MAIN(DeleteTest)
#include "delete_test.moc"
