// The file deletion dialog (Filhantering -> Ta bort): result files, input
// files or both in a chosen directory, removed after a confirmation.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QTreeView;
class QFileSystemModel;

namespace kvop::editor {

enum class DeleteKind { results, inputs, both };

// The name patterns of a kind: reports with their .spc companions, cases, or all.
QStringList delete_patterns(DeleteKind kind);

// Removes the files; returns the names that could not be removed.
QStringList remove_files(const QStringList& paths);

class DeleteForm : public QDialog {
 public:
  DeleteForm(DeleteKind kind, const QString& dir, QWidget* parent = nullptr);
  void setDirectory(const QString& dir);
  QStringList selectedPaths() const;
  QListWidget* fileList() const { return files_; }
  // Asks "Bekräfta" and removes the chosen files; false when the user
  // regretted or nothing was chosen.
  bool removeChosen();

 private:
  void refresh();
  DeleteKind kind_;
  QString dir_;
  QTreeView* dirs_;
  QFileSystemModel* model_;
  QListWidget* files_;
};

// The confirmation "Bekräfta": "Ja" is true, "Ångra" false.
bool confirm_delete(QWidget* parent, const QStringList& names);

}  // namespace kvop::editor
