// The result viewer "Utdata": one report file in a fixed-pitch font, with
// the menus "Återgå" (close), "Typsnitt", "Redigera" and "Hjälp".
#pragma once

#include <QMainWindow>

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
  bool loaded_ = false;
};

}  // namespace kvop::editor
