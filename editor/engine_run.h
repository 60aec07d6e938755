// Running the engine on a saved case.  Every run happens in a private
// working folder of its own: the editor writes "~indata~.tmp" and
// "BRASKO.INI" (naming the database of the running installation) there,
// starts kvopwb from the program directory with that folder as working
// directory and an account of the run beside it, and afterwards brings back
// only the results - the report "<case>.RED" and, when the case asks for
// diaphragm action, "SKIVA.INS" - into the case's folder, each replaced
// whole.  The engineer's folder gets nothing else, and a cancelled run
// leaves it untouched.
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace kvop::editor {

// The name of the run account the engine writes beside the report.
inline constexpr const char* kAccountFile = "korning.json";

// The first line of BRASKO.INI that makes the engine open the database of
// `program_dir`: its absolute path.  The engine takes the part of the line
// before its first blank, or the first 40 characters of a line without one,
// and appends "\PROFILKV.BIN" within 80 characters: a path of up to 40
// characters is written as it is, one of up to 67 with a blank after it.
// Empty when the path cannot be written so (longer, blanks, characters
// outside Windows-1252).
QString brasko_ini_line(const QString& program_dir);

// Makes BRASKO.INI in `dir` name the database of `program_dir`: left alone
// when its first line already does, written anew (in any letter case
// replacing the old one) when it differs or is missing.  A program
// directory that cannot be written as an absolute path is reached through
// a link in `dir`.  Returns false with the Swedish reason in `message`.
bool ensure_brasko_ini(const QString& dir, const QString& program_dir, QString& message);

// Writes the calculation input file and BRASKO.INI into the working folder
// `run_dir`.  Returns false with the Swedish reason in `message`.
bool prepare_run(const QString& run_dir, const QByteArray& case_bytes, const QString& program_dir,
                 QString& message);

// The results of a run in `run_dir` brought into `case_dir`: the report of
// `case_name` and "SKIVA.INS", those the run wrote.  Each is written beside
// its final name and then renamed over it, so a reader never sees half a
// file; an old file of the same name in another letter case goes.  Returns
// the paths written; on failure `message` says which file failed and why
// (files brought before it stay).
QStringList bring_back_results(const QString& run_dir, const QString& case_dir,
                               const QString& case_name, QString& message);

// True when new files can be created in `dir`.
bool folder_writable(const QString& dir);

// The directory of the delivered data (PROFILKV.BIN, kvop.def, kvop.ver,
// translations/) of the programs in `program_dir`: the program directory
// itself in a build tree, share/kvop beside bin/ in an installed tree (the
// engine's rule, so both programs open the same database).  Empty when
// neither holds the profile database.
QString data_dir(const QString& program_dir);

// The places `data_dir` looks at, in its order, for messages.
QStringList data_dir_places(const QString& program_dir);

// The path of a program in the program directory, or empty when absent.
QString program_path(const QString& program_dir, const QString& name);

// The report of a case in its directory ("<first eight characters>.RED",
// any letter case), or empty when there is none.
QString report_path(const QString& case_dir, const QString& case_name,
                    const QString& extension = "RED");

// One engine process at a time.  `finished` carries the exit status and the
// engine's console text (its standard output and error, decoded).
class EngineRun : public QObject {
  Q_OBJECT
 public:
  explicit EngineRun(QObject* parent = nullptr);
  // Starts kvopwb in `run_dir` with the run account `account` (a file name
  // in `run_dir`, none when empty) and the engine's `options`; false with
  // `message` when it cannot be started.
  bool start(const QString& program_dir, const QString& run_dir, QString& message,
             const QString& account = {}, const QStringList& options = {});
  bool running() const { return proc_.state() != QProcess::NotRunning; }
  // Ends the running engine; `finished` follows with cancelled() true.
  void cancel();
  // True when the last run was ended by cancel().
  bool cancelled() const { return cancelled_; }
  // Waits for the end (for tests and for closing the window during a run).
  bool wait(int msecs = 120000) { return proc_.waitForFinished(msecs); }

 signals:
  void finished(int exit_code, const QString& console);

 private:
  QProcess proc_;
  bool cancelled_ = false;
};

}  // namespace kvop::editor
