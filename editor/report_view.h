// The result viewer "Utdata": one report file in a fixed-pitch font, with
// the menus "Återgå" (close), "Typsnitt", "Redigera" and "Hjälp".
#pragma once

#include <QMainWindow>

#include "run_result.h"

class QLabel;

namespace kvop::editor {

class ReportText;

class ReportView : public QMainWindow {
  Q_OBJECT
 public:
  // Shows `path`; `settings` is the directory of "Brafnt.ini".
  ReportView(const QString& path, const QString& settings, QWidget* parent = nullptr);
  bool loaded() const { return loaded_; }
  QString path() const { return path_; }
  QString text() const;
  // The report as read when the window opened: what the window shows and
  // what printing prints, whatever happens to the file since.
  QString reportText() const { return report_; }
  // A digest of the bytes shown (file_hash of the file as it was read).
  QByteArray shownHash() const { return hash_; }
  // The line above the report: whether it belongs to the case on screen,
  // when it was computed, with which database, and the verdict.
  void setStatus(const ResultStatus& s);
  ResultState state() const { return state_; }
  QString statusText() const;
  QFont reportFont() const;
  void setReportFont(const QFont& f);

 signals:
  void closeWanted();
  void fontChosen(const QFont& f);

 private:
  void chooseFont();
  void openInViewer();
  QString path_;
  QString settings_;
  ReportText* view_;
  QLabel* status_;
  QString report_;
  QString statusPlain_;
  QByteArray hash_;
  ResultState state_ = ResultState::unknown;
  bool loaded_ = false;
};

}  // namespace kvop::editor
