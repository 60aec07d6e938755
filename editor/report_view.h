// The result viewer "Utdata": one report file in a fixed-pitch font with,
// beside it, the diagrams of the calculation document, and the menus
// "Återgå" (close), "Typsnitt", "Redigera", "Spara som PDF..." and "Hjälp".
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "run_result.h"

class QLabel;
class QComboBox;

namespace kvop::editor {

class ReportText;
class CalcDocument;
class DocumentPage;

class ReportView : public QMainWindow {
  Q_OBJECT
 public:
  // Shows `path`; `settings` is the directory of "Brafnt.ini".
  ReportView(const QString& path, const QString& settings, QWidget* parent = nullptr);
  ~ReportView() override;
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
  // The calculation document of the report: present when the run that wrote
  // the report shown was recorded with its account (a run of this
  // installation whose report is unchanged since).
  const CalcDocument* document() const { return document_.get(); }
  // Writes the document as PDF to the file `choosePdf` returns (a file
  // dialog unless a test sets it); false when there is none or it failed.
  bool savePdf();
  std::function<QString(const QString& suggested)> choosePdf;
  // Tells the engineer something (a message box unless a test sets it).
  std::function<void(const QString&)> inform;

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
  std::unique_ptr<CalcDocument> document_;
  DocumentPage* page_ = nullptr;
  QComboBox* pages_ = nullptr;
  QString report_;
  QString statusPlain_;
  QByteArray hash_;
  ResultState state_ = ResultState::unknown;
  bool loaded_ = false;
};

}  // namespace kvop::editor
