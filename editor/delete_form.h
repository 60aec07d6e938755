// The file deletion dialog (Filhantering -> Ta bort): result files, input
// files or both in a chosen directory, removed after a confirmation.  The
// directory is chosen as on the classic desktop: a drive list (here the
// mounted file systems), the directory list of the chosen drive, and the
// file list of the chosen directory.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QTreeWidget;

namespace kvop::editor {

enum class DeleteKind { results, inputs, both };

// The name patterns of a kind: reports with their .spc companions, cases, or all.
QStringList delete_patterns(DeleteKind kind);

// Removes the files; returns the names that could not be removed.
QStringList remove_files(const QStringList& paths);

// The roots a directory can lie under: the system's root first, then the
// other mounted file systems in name order.
QStringList drive_roots();

// The root of `roots` that holds `dir`: the longest one it lies below.
QString root_of(const QString& dir, const QStringList& roots);

class DeleteForm : public QDialog {
  Q_OBJECT

 public:
  DeleteForm(DeleteKind kind, const QString& dir, QWidget* parent = nullptr);
  // Shows `dir`, or the nearest existing directory above it.
  void setDirectory(const QString& dir);
  QString directory() const { return dir_; }
  QStringList selectedPaths() const;
  QComboBox* driveList() const { return drives_; }
  QTreeWidget* directoryList() const { return dirs_; }
  QListWidget* fileList() const { return files_; }
  // Asks "Bekräfta" and removes the chosen files; false when the user
  // regretted or nothing was chosen.
  bool removeChosen();

  // The case open in the editor: its file is offered with a warning of its
  // own, and never removed while the case has unsaved changes.
  void setOpenCase(const QString& path, bool modified);

  // The confirmation, the extra question for the open case's own file and
  // the message about files that stayed; replaceable for tests.
  std::function<bool(const QStringList& names)> confirm;
  std::function<bool(const QString& text)> confirmOpenCase;
  std::function<void(const QString& text)> inform;

 private:
  void fillDirectories();
  void refresh();
  DeleteKind kind_;
  QString dir_;
  QString openCase_;
  bool openModified_ = false;
  QComboBox* drives_;
  QLabel* path_;
  QTreeWidget* dirs_;
  QListWidget* files_;
};

// The confirmation "Bekräfta": "Ja" is true, "Ångra" false.
bool confirm_delete(QWidget* parent, const QStringList& names);

}  // namespace kvop::editor
