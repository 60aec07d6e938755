#include "engine_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "case_document.h"
#include "core/cp1252.h"
#include "core/file_names.h"

namespace kvop::editor {
namespace {

// The existing file `name` in `dir` without regard to letter case.
QString find_in(const QString& dir, const QString& name) {
  const auto p = find_file(dir.toStdString(), cp1252::from_utf8(name.toStdString()));
  return p ? QString::fromStdString(p->string()) : QString();
}

bool usable_ini_name(const QString& s) {
  return !s.isEmpty() && s.size() <= 40 && !s.contains(' ') &&
         cp1252::to_utf8(cp1252::from_utf8(s.toStdString())) == s.toStdString();
}

}  // namespace

QString brasko_ini_line(const QString& program_dir, const QString& case_dir) {
  const QString abs = QDir(program_dir).absolutePath();
  const QString rel = QDir(case_dir).relativeFilePath(abs);
  QString best;
  for (const QString& s : {abs, rel})
    if (usable_ini_name(s) && (best.isEmpty() || s.size() < best.size())) best = s;
  return best;
}

bool prepare_run(const QString& case_dir, const QByteArray& case_bytes, const QString& program_dir,
                 QString& message) {
  // Any older calculation input file in another letter case goes first: the
  // engine would prefer it to the one written now.
  for (const QString& old : QDir(case_dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (old.compare("~indata~.tmp", Qt::CaseInsensitive) == 0 && old != "~indata~.tmp")
      QFile::remove(QDir(case_dir).filePath(old));
  const QString input = QDir(case_dir).filePath("~indata~.tmp");
  QSaveFile f(input);
  if (!f.open(QIODevice::WriteOnly) || f.write(case_bytes) != case_bytes.size() || !f.commit()) {
    message =
        file_error_text(f.error() == QFileDevice::NoError ? QFileDevice::WriteError : f.error(),
                        input, f.errorString());
    return false;
  }
  if (find_in(case_dir, "BRASKO.INI").isEmpty()) {
    const QString line = brasko_ini_line(program_dir, case_dir);
    if (line.isEmpty()) {
      message = "Programkatalogen " + QDir::toNativeSeparators(program_dir) +
                " kan inte anges i BRASKO.INI (högst 40 tecken, inga mellanslag).";
      return false;
    }
    const QString ini = QDir(case_dir).filePath("BRASKO.INI");
    QSaveFile b(ini);
    const QByteArray bytes =
        QByteArray::fromStdString(cp1252::from_utf8(line.toStdString())) + "\r\n";
    if (!b.open(QIODevice::WriteOnly) || b.write(bytes) != bytes.size() || !b.commit()) {
      message =
          file_error_text(b.error() == QFileDevice::NoError ? QFileDevice::WriteError : b.error(),
                          ini, b.errorString());
      return false;
    }
  }
  return true;
}

QString program_path(const QString& program_dir, const QString& name) {
  for (const QString& n : {name, name + ".exe"}) {
    const QFileInfo fi(QDir(program_dir).filePath(n));
    if (fi.isFile() && fi.isExecutable()) return fi.absoluteFilePath();
  }
  return {};
}

QString report_path(const QString& case_dir, const QString& case_name, const QString& extension) {
  QString base = case_name.left(8);
  const qsizetype blank = base.indexOf(' ');
  if (blank >= 0) base = base.left(blank);
  return find_in(case_dir, base + "." + extension);
}

EngineRun::EngineRun(QObject* parent) : QObject(parent) {
  connect(&proc_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    const QByteArray out = proc_.readAllStandardOutput();
    const QByteArray err = proc_.readAllStandardError();
    // The engine writes its console in UTF-8; older builds wrote Windows-1252.
    auto text = [](const QByteArray& b) {
      QString s = QString::fromUtf8(b);
      if (s.contains(QChar::ReplacementCharacter))
        s = QString::fromStdString(cp1252::to_utf8(b.toStdString()));
      return s.trimmed();
    };
    QString console = text(err);
    const QString o = text(out);
    if (!o.isEmpty()) console += (console.isEmpty() ? "" : "\n") + o;
    if (status == QProcess::CrashExit) {
      console += (console.isEmpty() ? "" : "\n") + QString("Beräkningsprogrammet avbröts.");
      code = code == 0 ? -1 : code;
    }
    emit finished(code, console);
  });
}

bool EngineRun::start(const QString& program_dir, const QString& case_dir, QString& message) {
  const QString exe = program_path(program_dir, "kvopwb");
  if (exe.isEmpty()) {
    message = "Beräkningsprogrammet kvopwb är inte installerat i " +
              QDir::toNativeSeparators(program_dir) + ".";
    return false;
  }
  if (running()) {
    message = "Beräkning pågår..";
    return false;
  }
  proc_.setWorkingDirectory(case_dir);
  proc_.setProgram(exe);
  proc_.setArguments({});
  proc_.setStandardInputFile(QProcess::nullDevice());
  proc_.start();
  if (!proc_.waitForStarted(10000)) {
    message = "Beräkningsprogrammet kunde inte startas: " + proc_.errorString();
    return false;
  }
  return true;
}

}  // namespace kvop::editor
