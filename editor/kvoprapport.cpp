// kvoprapport: the calculation of one case as a PDF document, for batch use.
//   kvoprapport CASE.IND [-o CASE.pdf]
// The case is computed by the engine installed beside this program, in a
// private working folder as the editor runs it; the case's own folder gets
// only the PDF.  A case the engine fails on gives the engine's console text
// and exit status, and no PDF.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "calc_document.h"
#include "case_document.h"
#include "engine_run.h"
#include "report_print.h"

namespace {

// Exit statuses of the program's own failures; the engine's are passed on.
constexpr int kExitCaseUnreadable = 2;
constexpr int kExitPdfNotWritten = 3;
constexpr int kExitUsage = 64;

int fail(int status, const QString& message) {
  std::fprintf(stderr, "kvoprapport: %s\n", message.toLocal8Bit().constData());
  return status;
}

}  // namespace

int main(int argc, char* argv[]) {
  // A batch program needs no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName("kvoprapport");
  QGuiApplication::setApplicationVersion(KVOP_VERSION);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Beräknar ett fall med kvopwb och skriver beräkningen som PDF: sammanfattning, plåten med "
      "lasterna, moment- och nedböjningsdiagram, utnyttjandegrader och hela rapporten.\n"
      "Slutstatus: 0 klart, kvopwb:s slutstatus när beräkningen misslyckas, 2 fallet kan inte "
      "läsas, 3 PDF-filen kan inte skrivas, 64 fel på kommandoraden.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("FALL", "Indatafilen (.IND).");
  QCommandLineOption out({"o", "output"}, "PDF-filen (förval: fallets namn med .pdf).", "FIL");
  parser.addOption(out);
  if (!parser.parse(QGuiApplication::arguments())) return fail(kExitUsage, parser.errorText());
  if (parser.isSet("help")) parser.showHelp(0);
  if (parser.isSet("version")) parser.showVersion();
  const QStringList args = parser.positionalArguments();
  if (args.size() != 1)
    return fail(kExitUsage, "ange en indatafil (kvoprapport FALL.IND [-o FIL.pdf])");

  const QString case_path = QFileInfo(args[0]).absoluteFilePath();
  const QString pdf_path = parser.isSet(out) ? QFileInfo(parser.value(out)).absoluteFilePath()
                                             : QFileInfo(case_path).absolutePath() + "/" +
                                                   QFileInfo(case_path).completeBaseName() + ".pdf";
  QString message;
  kvop::CaseFile cf;
  if (!kvop::editor::load_case(case_path, cf, message)) return fail(kExitCaseUnreadable, message);
  const QString name = kvop::editor::case_base_name(case_path);
  const QByteArray bytes = kvop::editor::case_bytes(cf, name, message);
  if (bytes.isEmpty()) return fail(kExitCaseUnreadable, message);

  const QString program_dir = QCoreApplication::applicationDirPath();
  QTemporaryDir run_dir(QDir(QDir::tempPath()).filePath("kvop-run-XXXXXX"));
  if (!run_dir.isValid()) return fail(kExitPdfNotWritten, run_dir.errorString());
  // The database as the editor finds it: beside the programs in a build
  // tree, in the installed data directory otherwise.
  const QString data = kvop::editor::data_dir(program_dir);
  if (!kvop::editor::prepare_run(run_dir.path(), bytes, data.isEmpty() ? program_dir : data,
                                 message))
    return fail(kExitCaseUnreadable, message);

  kvop::editor::EngineRun engine;
  int exit_code = -1;
  QString console;
  QObject::connect(&engine, &kvop::editor::EngineRun::finished, [&](int code, const QString& text) {
    exit_code = code;
    console = text;
  });
  if (!engine.start(program_dir, run_dir.path(), message, kvop::editor::kAccountFile))
    return fail(kExitPdfNotWritten, message);
  engine.wait(-1);
  QCoreApplication::processEvents();
  if (exit_code != 0) {
    std::fputs(console.toLocal8Bit().constData(), stderr);
    return exit_code < 0 ? kExitPdfNotWritten : exit_code;
  }

  const QString report = kvop::editor::report_path(run_dir.path(), name);
  QFile rf(report), af(QDir(run_dir.path()).filePath(kvop::editor::kAccountFile));
  if (report.isEmpty() || !rf.open(QIODevice::ReadOnly) || !af.open(QIODevice::ReadOnly))
    return fail(kExitPdfNotWritten, "kvopwb lämnade ingen rapport");
  const kvop::editor::CalcDocument doc(
      kvop::editor::read_calc_record(af.readAll(), kvop::editor::decode_report(rf.readAll())));
  if (!doc.writePdf(pdf_path, message)) return fail(kExitPdfNotWritten, message);
  return 0;
}
