// The main window "KVOP": the menus, the market flags, the layout picture
// and an MDI area with the input form and the result viewers.  It owns the
// current case file name and its unsaved state, and runs the engine.
#pragma once

#include <QMainWindow>
#include <QPrinter>
#include <functional>
#include <memory>

#include "engine_run.h"

class QMdiArea;
class QMdiSubWindow;
class QProgressDialog;
class QTemporaryDir;

namespace kvop::editor {

class CompareDialog;
class FlagBar;
class InputForm;
class LayoutPicture;
class ReportView;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `program_dir` holds kvopwb; PROFILKV.BIN, kvop.def and kvop.ver lie
  // beside it or in the data directory of the installed layout.
  explicit MainWindow(const QString& program_dir, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The answers of the user.  Tests replace them; by default they are the
  // message boxes and file dialogs.
  std::function<void(const QString& text)> inform;
  // 0 yes, 1 no, 2 cancel.
  std::function<int(const QString& text, bool with_cancel)> ask;
  // A file name chosen in the open (false) or save (true) dialog; empty = cancelled.
  std::function<QString(bool save)> chooseFile;
  // A report chosen in "Välj Resultatfil"; empty = cancelled.
  std::function<QString()> chooseReport;
  // Whether results can be written into a folder (the case's folder).
  std::function<bool(const QString& dir)> folderWritable;

  bool newCase();
  bool openCase(const QString& path);  // without asking about unsaved changes
  bool openAsked();                    // "Öppna..."
  bool save();                         // "Spara"
  bool saveAs();                       // "Spara som..."
  bool saveTo(const QString& path);
  // Asks about unsaved changes; false when the user cancels.
  bool maybeSave(bool with_cancel = true);

  // "Kör...": false when the run is refused or cannot start.
  bool run();
  EngineRun& engine() { return engine_; }
  // "Jämför profiler...": the case on screen dimensioned with every profile
  // of the database; the dialog shown (null when the run cannot start).
  CompareDialog* compareProfiles();
  // Ends a running calculation: the engine is stopped, its working folder
  // with the incomplete report removed, the case folder untouched.
  void cancelRun();
  // The working folder of the running calculation (empty when none runs).
  QString runFolder() const;
  // The exit status and console text of the last finished run.
  int lastExitCode() const { return lastExit_; }

  ReportView* showReport();             // "på skärm"
  // Shows any report file ("Välj Resultatfil").
  ReportView* showReportFile(const QString& file);
  void chooseResultFile();
  // The calculation input of the case on screen as a run would write it.
  QByteArray currentInput() const;
  // Marks every result window anew against the case on screen.
  void refreshResults();
  bool printReport(QPrinter& printer);  // prints without a dialog
  void printReportAsked();              // "på skrivare" and "Skriv ut..."
  void pageSetup();                     // "Skrivarinställning..."
  void deleteFiles(int kind);
  void afterDelete();
  void markResultTitle(QMdiSubWindow* w);
  void startDiaphragmProgram();
  void startDxfProgram();
  void showPartsList();

  InputForm* form() const { return form_; }
  LayoutPicture* layoutPicture() const { return layout_; }
  FlagBar* flags() const { return flags_; }
  QString casePath() const { return path_; }
  QString caseName() const;  // "NAMNLÖS" for a new case
  bool modified() const { return modified_; }
  QString programDir() const { return programDir_; }
  // Where the profile database, kvop.def and kvop.ver lie (data_dir).
  QString dataDir() const { return dataDir_; }
  void showNewsOnce();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void buildMenus();
  void fitToScreen();
  void setModified(bool m);
  void updateTitle();
  void caseChanged();
  void closeResults();
  bool caseFolderWritable();
  void endRun();
  void startOutsideProgram(const QString& name, const QStringList& args,
                           const QString& no_diaphragm);
  void runFinished(int code, const QString& console);
  void openJointForm(int support);
  void openLineLoads();
  void openSnowPocket();
  void openWindCalculator();
  QString caseDir() const;
  QString reportFile(const QString& extension) const;
  QString askFileName(bool save);

  QString programDir_;
  QString dataDir_;
  QString path_;
  bool modified_ = false;
  bool changedSinceRun_ = true;
  bool diaphragmWritten_ = false;
  int lastExit_ = 0;
  QMdiArea* mdi_;
  QMdiSubWindow* formWindow_;
  InputForm* form_;
  FlagBar* flags_;
  LayoutPicture* layout_;
  EngineRun engine_;
  QProgressDialog* progress_ = nullptr;
  std::unique_ptr<QTemporaryDir> runDir_;
  QByteArray runInput_;
  QString runCaseDir_, runCaseName_;
  bool closeAfterRun_ = false;
  bool refreshing_ = false;
  QPrinter printer_;
};

}  // namespace kvop::editor
