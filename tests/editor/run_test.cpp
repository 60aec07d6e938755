// Running the engine from the editor: an unsaved case is refused, a saved
// one is computed in its own directory with the report found afterwards,
// and a failing engine's own text is shown.
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include "editor_test_support.h"
#include "engine_run.h"
#include "input_form.h"
#include "report_print.h"
#include "report_view.h"

using namespace kvop;
using namespace kvop::editor;
using namespace kvop::editor::test;

class RunTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }

  void unsavedCaseIsNotRun() {
    Window t;
    QVERIFY(!t.w.run());
    QCOMPARE(t.messages.last(), QString("Du måste spara Filen först !"));
    QVERIFY(!t.w.engine().running());
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QTest::keyClicks(t.w.form()->findChild<QLineEdit*>("Rubrik"), "X");
    QVERIFY(!t.w.run());
    QCOMPARE(t.messages.last(), QString("Du måste spara Filen först !"));
    QVERIFY(!QFile::exists(dir->filePath("~indata~.tmp")));
  }

  void savedCaseRunsBesideItsFileAndTheReportIsShown() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    t.trigger("på skärm");
    QCOMPARE(t.messages.last(), QString("Resultatfil till TAK1.IND saknas !"));
    QSignalSpy done(&t.w.engine(), &EngineRun::finished);
    QVERIFY2(t.w.run(), qPrintable(t.messages.join("\n")));
    QVERIFY(done.wait(120000));
    QCOMPARE(done.takeFirst().at(0).toInt(), 0);
    QCOMPARE(t.w.lastExitCode(), 0);
    QVERIFY(QFile::exists(dir->filePath("TAK1.RED")));
    // The calculation input is the case as saved by the editor.
    QString m;
    QCOMPARE(read_file(dir->filePath("~indata~.tmp")),
             case_bytes(t.w.form()->currentCase(), "TAK1", m));
    // BRASKO.INI names the program directory, relative to the case.
    const QByteArray ini = read_file(dir->filePath("BRASKO.INI")).trimmed();
    QCOMPARE(QFileInfo(QDir(dir->path()).filePath(QString::fromLatin1(ini))).canonicalFilePath(),
             QFileInfo(program_dir()).canonicalFilePath());
    // The report opened in a result window.
    auto* view = t.w.findChild<ReportView*>();
    QVERIFY(view);
    QVERIFY(view->loaded());
    QVERIFY(view->text().contains("TAK1"));
    // Printed to a PDF file: one sheet per page of the report.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir->filePath("TAK1.pdf"));
    QVERIFY(t.w.printReport(printer));
    const auto pages = report_pages(decode_report(read_file(dir->filePath("TAK1.RED"))));
    static const QRegularExpression page(R"(/Type\s*/Page[^s])");
    QCOMPARE(
        static_cast<int>(QString::fromLatin1(read_file(dir->filePath("TAK1.pdf"))).count(page)),
        static_cast<int>(pages.size()));
  }

  void failingEngineTextIsShown() {
    auto dir = scratch();
    QByteArray bytes = read_file(example("TAK1.IND"));
    bytes.replace("\nR820\n", "\nNOSUCH\n");
    QVERIFY(write_file(dir->filePath("TAK1.IND"), bytes));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QSignalSpy done(&t.w.engine(), &EngineRun::finished);
    QVERIFY(t.w.run());
    QVERIFY(done.wait(120000));
    QVERIFY(t.w.lastExitCode() != 0);
    QVERIFY2(t.messages.last().contains("NOSUCH"), qPrintable(t.messages.last()));
    QVERIFY(t.messages.last().contains("FINNS EJ INLAGD"));
  }

  void missingEngineIsNamed() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("VAGG1.IND"), dir->filePath("VAGG1.IND")));
    QDir(dir->path()).mkpath("prog");
    Window t(dir->filePath("prog"));
    QVERIFY(t.w.openCase(dir->filePath("VAGG1.IND")));
    QVERIFY(!t.w.run());
    QVERIFY2(t.messages.last().contains("inte installerat"), qPrintable(t.messages.last()));
    t.trigger("DXF-fil (Bra2DXF)...");
    QVERIFY(t.messages.last().contains("Bra2DXF"));
  }

  void braskoIniLineStaysWithinWhatTheEngineReads() {
    QCOMPARE(brasko_ini_line("/opt/kvop/bin", "/opt/kvop/cases"), QString("../bin"));
    QCOMPARE(brasko_ini_line("/opt/bin", "/home/user/cases/deep"), QString("/opt/bin"));
    QCOMPARE(brasko_ini_line("/a/very/long/path/name/that/goes/on/and/on/bin",
                             "/a/very/long/path/name/that/goes/on/and/on/cases"),
             QString("../bin"));
    QCOMPARE(brasko_ini_line("/with blank/bin", "/elsewhere"), QString());
  }
};

QTEST_MAIN(RunTest)
#include "run_test.moc"
