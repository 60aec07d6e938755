#include "engine_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include "case_document.h"
#include "core/cp1252.h"
#include "core/file_names.h"
#include "core/install_layout.h"

namespace kvop::editor {
namespace {

// The name of the link to the program directory when its path cannot stand
// in BRASKO.INI.
constexpr const char* kProgramLink = "KVOPPROG";

// The existing file `name` in `dir` without regard to letter case.
QString find_in(const QString& dir, const QString& name) {
  const auto p = find_file(dir.toStdString(), cp1252::from_utf8(name.toStdString()));
  return p ? QString::fromStdString(p->string()) : QString();
}

bool representable(const QString& s) {
  return cp1252::to_utf8(cp1252::from_utf8(s.toStdString())) == s.toStdString();
}

// Removes the files of `dir` named `name` in another letter case than `keep`.
void remove_other_cases(const QString& dir, const QString& keep) {
  for (const QString& f : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (f.compare(keep, Qt::CaseInsensitive) == 0 && f != keep)
      QFile::remove(QDir(dir).filePath(f));
}

// Writes `bytes` as `path` whole: into a file beside it, then renamed.
bool write_whole(const QString& path, const QByteArray& bytes, QString& message) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
    message =
        file_error_text(f.error() == QFileDevice::NoError ? QFileDevice::WriteError : f.error(),
                        path, f.errorString());
    return false;
  }
  return true;
}

}  // namespace

QString brasko_ini_line(const QString& program_dir) {
  const QString abs = QDir::cleanPath(QDir(program_dir).absolutePath());
  if (abs.isEmpty() || abs.contains(' ') || !representable(abs)) return {};
  if (abs.size() <= 40) return abs;
  if (abs.size() <= 67) return abs + ' ';
  return {};
}

bool ensure_brasko_ini(const QString& dir, const QString& program_dir, QString& message) {
  QString line = brasko_ini_line(program_dir);
  if (line.isEmpty()) {
    // A link in the working folder reaches the program directory by a short name.
    const QString link = QDir(dir).filePath(kProgramLink);
    const QString target = QDir(program_dir).absolutePath();
    if (QFileInfo(link).symLinkTarget() != target) {
      QFile::remove(link);
      if (!QFile::link(target, link)) {
        message = QCoreApplication::translate(
                      "EngineRun",
                      "Programkatalogen %1 kan inte anges i BRASKO.INI (högst 67 tecken, "
                      "inga mellanslag).")
                      .arg(QDir::toNativeSeparators(target));
        return false;
      }
    }
    line = kProgramLink;
  }
  const QByteArray want = QByteArray::fromStdString(cp1252::from_utf8(line.toStdString()));
  const QString old = find_in(dir, "BRASKO.INI");
  if (!old.isEmpty()) {
    QFile f(old);
    if (f.open(QIODevice::ReadOnly)) {
      QByteArray first = f.readLine();
      while (first.endsWith('\n') || first.endsWith('\r')) first.chop(1);
      if (first == want && QFileInfo(old).fileName() == "BRASKO.INI") return true;
    }
  }
  if (!write_whole(QDir(dir).filePath("BRASKO.INI"), want + "\r\n", message)) return false;
  remove_other_cases(dir, "BRASKO.INI");
  return true;
}

bool prepare_run(const QString& run_dir, const QByteArray& case_bytes, const QString& program_dir,
                 QString& message) {
  // An older calculation input file in another letter case goes first: the
  // engine would prefer it to the one written now.
  remove_other_cases(run_dir, "~indata~.tmp");
  return write_whole(QDir(run_dir).filePath("~indata~.tmp"), case_bytes, message) &&
         ensure_brasko_ini(run_dir, program_dir, message);
}

QStringList bring_back_results(const QString& run_dir, const QString& case_dir,
                               const QString& case_name, QString& message) {
  QStringList written;
  for (const QString& found : {report_path(run_dir, case_name), find_in(run_dir, "SKIVA.INS")}) {
    if (found.isEmpty()) continue;
    QFile in(found);
    if (!in.open(QIODevice::ReadOnly)) {
      message = file_error_text(QFileDevice::ReadError, found, in.errorString());
      return written;
    }
    const QString name = QFileInfo(found).fileName();
    const QString target = QDir(case_dir).filePath(name);
    if (!write_whole(target, in.readAll(), message)) return written;
    remove_other_cases(case_dir, name);
    written << target;
  }
  return written;
}

bool folder_writable(const QString& dir) {
  QTemporaryFile probe(QDir(dir).filePath("kvop-XXXXXX.tmp"));
  return probe.open();
}

QString data_dir(const QString& program_dir) {
  const auto dir = find_data_dir(program_dir.toStdString());
  return dir ? QString::fromStdString(dir->string()) : QString();
}

QStringList data_dir_places(const QString& program_dir) {
  QStringList places;
  for (const auto& dir : data_dir_candidates(program_dir.toStdString()))
    places << QString::fromStdString(dir.string());
  return places;
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
      console += (console.isEmpty() ? "" : "\n") + QCoreApplication::translate("EngineRun", "Beräkningsprogrammet avbröts.");
      code = code == 0 ? -1 : code;
    }
    emit finished(code, console);
  });
}

bool EngineRun::start(const QString& program_dir, const QString& run_dir, QString& message,
                      const QString& account, const QStringList& options) {
  const QString exe = program_path(program_dir, "kvopwb");
  if (exe.isEmpty()) {
    message = QCoreApplication::translate("EngineRun", "Beräkningsprogrammet kvopwb är inte installerat i %1.")
                  .arg(QDir::toNativeSeparators(program_dir));
    return false;
  }
  if (running()) {
    message = QCoreApplication::translate("EngineRun", "Beräkning pågår..");
    return false;
  }
  cancelled_ = false;
  proc_.setWorkingDirectory(run_dir);
  proc_.setProgram(exe);
  QStringList args = options;
  if (!account.isEmpty()) args << "--json" << account;
  proc_.setArguments(args);
  proc_.setStandardInputFile(QProcess::nullDevice());
  proc_.start();
  if (!proc_.waitForStarted(10000)) {
    message = QCoreApplication::translate("EngineRun", "Beräkningsprogrammet kunde inte startas: %1")
                  .arg(proc_.errorString());
    return false;
  }
  return true;
}

void EngineRun::cancel() {
  if (!running()) return;
  cancelled_ = true;
  proc_.kill();
}

}  // namespace kvop::editor
