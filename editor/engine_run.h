// Running the engine on a saved case.  The engine takes its case from its
// working directory: the editor writes "~indata~.tmp" and, when missing,
// "BRASKO.INI" naming the program directory into the case's own directory,
// starts kvopwb from the program directory with that directory as working
// directory, and the report "<case>.RED" lands beside the case.
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

namespace kvop::editor {

// The program directory as BRASKO.INI names it for an engine working in
// `case_dir`: the shorter of the absolute and the relative path.  The engine
// takes the line up to its first blank, at most 40 characters; empty when no
// such name exists.
QString brasko_ini_line(const QString& program_dir, const QString& case_dir);

// Writes the calculation input file and, when missing, BRASKO.INI into
// `case_dir`.  Returns false with the Swedish reason in `message`.
bool prepare_run(const QString& case_dir, const QByteArray& case_bytes, const QString& program_dir,
                 QString& message);

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
  // Starts kvopwb; false with `message` when it cannot be started.
  bool start(const QString& program_dir, const QString& case_dir, QString& message);
  bool running() const { return proc_.state() != QProcess::NotRunning; }
  // Waits for the end (for tests and for closing the window during a run).
  bool wait(int msecs = 120000) { return proc_.waitForFinished(msecs); }

 signals:
  void finished(int exit_code, const QString& console);

 private:
  QProcess proc_;
};

}  // namespace kvop::editor
