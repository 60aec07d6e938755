// Running the engine from the editor: an unsaved case is refused, a saved
// one is computed in a private folder with only its report brought back,
// the result window says whether the report belongs to the case on screen,
// a run can be cancelled, a read-only case folder is refused, and a failing
// engine's own text is shown.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include "calc_document.h"
#include "case_document.h"
#include "editor_test_support.h"
#include "engine_run.h"
#include "input_form.h"
#include "report_print.h"
#include "report_view.h"
#include "run_result.h"

using namespace kvop;
using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

// Starts a run and waits for its end.
bool run_and_wait(MainWindow& w) {
  QSignalSpy done(&w.engine(), &EngineRun::finished);
  return w.run() && done.wait(120000);
}

}  // namespace

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

  void runWorksInAPrivateFolderAndBringsBackOnlyTheReport() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    // A settings file left by an older editor, naming another place.
    QVERIFY(write_file(dir->filePath("BRASKO.INI"), "../elsewhere\r\n"));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    t.trigger("på skärm");
    QCOMPARE(t.messages.last(), QString("Resultatfil till TAK1.IND saknas !"));
    QSignalSpy done(&t.w.engine(), &EngineRun::finished);
    QVERIFY2(t.w.run(), qPrintable(t.messages.join("\n")));
    const QString runDir = t.w.runFolder();
    QVERIFY(!runDir.isEmpty());
    QVERIFY(!runDir.startsWith(dir->path()));
    // The run folder names this installation's database by its absolute path.
    QCOMPARE(read_file(QDir(runDir).filePath("BRASKO.INI")).trimmed(),
             QDir(program_dir()).absolutePath().toUtf8());
    QVERIFY(done.wait(120000));
    QCOMPARE(done.takeFirst().at(0).toInt(), 0);
    QCOMPARE(t.w.lastExitCode(), 0);
    // The case folder got the report and nothing else; the run folder is gone.
    QStringList files = QDir(dir->path()).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    QCOMPARE(files, QStringList({"BRASKO.INI", "TAK1.IND", "TAK1.RED"}));
    QCOMPARE(read_file(dir->filePath("BRASKO.INI")), QByteArray("../elsewhere\r\n"));
    QVERIFY(!QFileInfo::exists(runDir));
    // The report opened in a result window that says it is the case's own,
    // with the database the run used and the verdict.
    auto* view = t.w.findChild<ReportView*>();
    QVERIFY(view);
    QVERIFY(view->loaded());
    QVERIFY(view->text().contains("TAK1"));
    QCOMPARE(view->state(), ResultState::current);
    const QString status = view->statusText();
    QVERIFY2(status.contains(
                 QFileInfo(QDir(program_dir()).filePath("PROFILKV.BIN")).canonicalFilePath()),
             qPrintable(status));
    QVERIFY2(status.contains("klarar sig") && status.contains("utnyttjandegrad") &&
                 status.contains("lastfall") && status.contains("Vald tjocklek: Plåt 1"),
             qPrintable(status));
    // The run's own account gives the window its diagrams.
    QVERIFY(view->document());
    const auto pages = report_pages(decode_report(read_file(dir->filePath("TAK1.RED"))));
    const int drawn = view->document()->drawnPages();
    QCOMPARE(drawn, 7);  // summary, sheeting, four load cases, chart
    QCOMPARE(view->document()->pageCount(), drawn + static_cast<int>(pages.size()));
    // Printed to a PDF file: the drawings, then one sheet per page of the
    // report.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir->filePath("TAK1.pdf"));
    QVERIFY(t.w.printReport(printer));
    static const QRegularExpression page(R"(/Type\s*/Page[^s])");
    const auto pdf_pages = [&](const QString& f) {
      return static_cast<int>(QString::fromLatin1(read_file(f)).count(page));
    };
    QCOMPARE(pdf_pages(dir->filePath("TAK1.pdf")), view->document()->pageCount());
    // "Spara som PDF" writes the same document where the engineer says.
    QString suggested;
    view->choosePdf = [&](const QString& s) {
      suggested = s;
      return dir->filePath("SPARAD.pdf");
    };
    QVERIFY(view->savePdf());
    QCOMPARE(QFileInfo(suggested).fileName(), QString("TAK1.pdf"));  // beside the report
    QCOMPARE(pdf_pages(dir->filePath("SPARAD.pdf")), view->document()->pageCount());
  }

  void resultIsMarkedOutOfDateAsSoonAsTheInputChanges() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    {
      Window t;
      QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
      QVERIFY(run_and_wait(t.w));
      auto* view = t.w.findChild<ReportView*>();
      QVERIFY(view);
      QCOMPARE(view->state(), ResultState::current);
      auto* rubrik = t.w.form()->findChild<QLineEdit*>("Rubrik");
      const QString was = rubrik->text();
      QTest::keyClicks(rubrik, "X");
      QCOMPARE(view->state(), ResultState::stale);
      QVERIFY(view->statusText().startsWith("INAKTUELLT"));
      // The tab says so too, seen from the input form.
      const auto tab = [&t] {
        for (QMdiSubWindow* w : t.w.findChild<QMdiArea*>()->subWindowList())
          if (qobject_cast<ReportView*>(w->widget())) return w->windowTitle();
        return QString();
      };
      QCOMPARE(tab(), QString("Utdata - TAK1.RED (INAKTUELL)"));
      // "på skärm" shows the report again, still marked.
      view = t.w.showReport();
      QVERIFY(view);
      QCOMPARE(view->state(), ResultState::stale);
      QCOMPARE(tab(), QString("Utdata - TAK1.RED (INAKTUELL)"));
      // Back to the input it was computed from: current again.
      rubrik->setText(was);
      emit rubrik->textEdited(was);
      QCOMPARE(view->state(), ResultState::current);
      QCOMPARE(tab(), QString("Utdata - TAK1.RED"));
    }
    // A later session knows the report by its record.
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    ReportView* view = t.w.showReport();
    QVERIFY(view);
    QCOMPARE(view->state(), ResultState::current);
    QVERIFY(view->statusText().contains("Beräknad "));
    // A report changed by someone else is of unknown origin; the window
    // shows the file as it is now.
    QByteArray bytes = read_file(dir->filePath("TAK1.RED"));
    bytes.append("AN ADDED LINE\r\n");
    QVERIFY(write_file(dir->filePath("TAK1.RED"), bytes));
    t.w.refreshResults();
    auto* mdi = t.w.findChild<QMdiArea*>();
    view = qobject_cast<ReportView*>(mdi->activeSubWindow()->widget());
    QVERIFY(view);
    QVERIFY(view->reportText().contains("AN ADDED LINE"));
    QCOMPARE(view->state(), ResultState::unknown);
    QVERIFY(view->statusText().startsWith("OKÄNT URSPRUNG"));
    // Removed: the window goes.
    QFile::remove(dir->filePath("TAK1.RED"));
    t.w.refreshResults();
    QTRY_VERIFY(t.w.findChildren<ReportView*>().isEmpty());
  }

  void failedRunReplacesTheShownResult() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QVERIFY(run_and_wait(t.w));
    QVERIFY(t.w.findChild<ReportView*>()->statusText().contains("klarar sig"));
    // The same case with a profile the database lacks: the run fails.
    QByteArray bytes = read_file(example("TAK1.IND"));
    bytes.replace("\nR820\n", "\nNOSUCH\n");
    QVERIFY(write_file(dir->filePath("TAK1.IND"), bytes));
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QVERIFY(run_and_wait(t.w));
    QVERIFY(t.w.lastExitCode() != 0);
    const auto views = t.w.findChildren<ReportView*>();
    QCOMPARE(views.size(), 1);
    // The window shows what is on disk now, and says the run failed.
    QCOMPARE(views.front()->reportText(), decode_report(read_file(dir->filePath("TAK1.RED"))));
    QVERIFY2(views.front()->statusText().contains("misslyckades"),
             qPrintable(views.front()->statusText()));
    QVERIFY(!views.front()->statusText().contains("klarar sig:"));
  }

  void cancelledRunLeavesTheCaseFolderAlone() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    QVERIFY(write_file(dir->filePath("TAK1.RED"), "the report of an earlier run\r\n"));
    // An engine that takes its time and then writes a report.
    QDir(dir->path()).mkpath("prog");
    const QString engine = dir->filePath("prog/kvopwb");
    QVERIFY(write_file(engine, "#!/bin/sh\necho started > started\nsleep 30\necho x > TAK1.RED\n"));
    QFile::setPermissions(engine, QFile::permissions(engine) | QFileDevice::ExeOwner);
    Window t(dir->filePath("prog"));
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QSignalSpy done(&t.w.engine(), &EngineRun::finished);
    QVERIFY2(t.w.run(), qPrintable(t.messages.join("\n")));
    const QString runDir = t.w.runFolder();
    QTRY_VERIFY(QFileInfo::exists(QDir(runDir).filePath("started")));
    QElapsedTimer clock;
    clock.start();
    t.w.cancelRun();
    QVERIFY(done.wait(10000));
    QVERIFY(clock.elapsed() < 10000);
    QVERIFY(t.w.engine().cancelled());
    QVERIFY2(t.messages.last().contains("avbröts"), qPrintable(t.messages.last()));
    QCOMPARE(read_file(dir->filePath("TAK1.RED")), QByteArray("the report of an earlier run\r\n"));
    QStringList files = QDir(dir->path()).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    QCOMPARE(files, QStringList({"TAK1.IND", "TAK1.RED"}));
    QVERIFY(!QFileInfo::exists(runDir));
    QVERIFY(!t.w.modified());
  }

  void closingDuringARunAsksToCancelIt() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    QDir(dir->path()).mkpath("prog");
    const QString engine = dir->filePath("prog/kvopwb");
    QVERIFY(write_file(engine, "#!/bin/sh\nsleep 30\n"));
    QFile::setPermissions(engine, QFile::permissions(engine) | QFileDevice::ExeOwner);
    Window t(dir->filePath("prog"));
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QSignalSpy done(&t.w.engine(), &EngineRun::finished);
    QVERIFY(t.w.run());
    t.answer = 1;  // "Nej": the run goes on, the window stays
    t.w.close();
    QVERIFY(t.questions.last().contains("avbryta beräkningen"));
    QVERIFY(t.w.engine().running());
    t.answer = 0;
    t.w.close();
    QVERIFY(done.wait(10000));
    QVERIFY(t.w.engine().cancelled());
    QVERIFY(!QFile::exists(dir->filePath("TAK1.RED")));
  }

  void lockedThicknessTheProfileLacksIsNotComputed() {
    auto dir = scratch();
    QByteArray bytes = read_file(example("TAK1.IND"));
    QVERIFY(write_file(dir->filePath("TAK1.IND"), bytes));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    CaseFile cf = t.w.form()->currentCase();
    const std::vector<float> offered = t.w.form()->profileThicknesses();
    QVERIFY(offered.size() >= 2);
    cf.locked = 1;
    for (int i = 1; i <= cf.in.nfack; ++i) cf.in.tjlk(i) = (offered[0] + offered[1]) / 2;
    QString m;
    QVERIFY(save_case(dir->filePath("TAK1.IND"), cf, m));
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QVERIFY(!t.w.run());
    QVERIFY2(t.messages.last().contains("finns inte för profilen"), qPrintable(t.messages.last()));
    QVERIFY(!t.w.engine().running());
  }

  void readOnlyCaseFolderIsRefusedWithAnOfferToSaveElsewhere() {
    auto dir = scratch();
    auto other = scratch();
    QVERIFY(QFile::copy(example("VAGG1.IND"), dir->filePath("VAGG1.IND")));
    Window t;
    t.w.folderWritable = [&](const QString& d) { return d != dir->path(); };
    QVERIFY(t.w.openCase(dir->filePath("VAGG1.IND")));
    t.answer = 1;  // "Nej": nothing runs
    QVERIFY(!t.w.run());
    QVERIFY(t.questions.last().contains("skrivskyddad"));
    QVERIFY(!t.w.engine().running());
    // "Ja": saved elsewhere and computed there.
    t.answer = 0;
    t.files << other->filePath("VAGG1.IND");
    QVERIFY(run_and_wait(t.w));
    QCOMPARE(t.w.casePath(), other->filePath("VAGG1.IND"));
    QVERIFY(QFile::exists(other->filePath("VAGG1.RED")));
    QVERIFY(!QFile::exists(dir->filePath("VAGG1.RED")));
  }

  void secondInstallationUsesItsOwnDatabase() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("VAGG1.IND"), dir->filePath("VAGG1.IND")));
    QDir(dir->path()).mkpath("prog2");
    const QString prog2 = dir->filePath("prog2");
    QVERIFY(QFile::link(QDir(program_dir()).filePath("kvopwb"), prog2 + "/kvopwb"));
    QVERIFY(QFile::copy(QDir(program_dir()).filePath("PROFILKV.BIN"), prog2 + "/PROFILKV.BIN"));
    Window t(prog2);
    QVERIFY(t.w.openCase(dir->filePath("VAGG1.IND")));
    QVERIFY(run_and_wait(t.w));
    QCOMPARE(t.w.lastExitCode(), 0);
    const QString status = t.w.findChild<ReportView*>()->statusText();
    QVERIFY2(status.contains(QFileInfo(prog2 + "/PROFILKV.BIN").canonicalFilePath()),
             qPrintable(status));
    QVERIFY(!status.contains("OBS! Detta program"));
    // The first installation sees that another database computed it.
    Window first;
    QVERIFY(first.w.openCase(dir->filePath("VAGG1.IND")));
    QVERIFY(first.w.showReport()->statusText().contains("OBS! Detta program använder databasen"));
  }

  void diaphragmProgramGetsOnlyTheExchangeFileOfThisCasesRun() {
    auto dir = scratch();
    QVERIFY(QFile::copy(QStringLiteral(KVOP_SOURCE_DIR "/tests/golden/NO1.IND"),
                        dir->filePath("NO1.IND")));
    QVERIFY(QFile::copy(example("VAGG1.IND"), dir->filePath("VAGG1.IND")));
    QDir(dir->path()).mkpath("prog");
    const QString prog = dir->filePath("prog");
    QVERIFY(QFile::link(QDir(program_dir()).filePath("kvopwb"), prog + "/kvopwb"));
    QVERIFY(QFile::copy(QDir(program_dir()).filePath("PROFILKV.BIN"), prog + "/PROFILKV.BIN"));
    QVERIFY(write_file(prog + "/vexlor", "#!/bin/sh\ncp SKIVA.INS vexlor-read\n"));
    QFile::setPermissions(prog + "/vexlor",
                          QFile::permissions(prog + "/vexlor") | QFileDevice::ExeOwner);
    Window t(prog);
    // A diaphragm case brings its exchange file back and vexlor gets it.
    QVERIFY(t.w.openCase(dir->filePath("NO1.IND")));
    QVERIFY(run_and_wait(t.w));
    QCOMPARE(t.w.lastExitCode(), 0);
    QVERIFY(QFile::exists(dir->filePath("SKIVA.INS")));
    QVERIFY(t.trigger("Skivverkan (vexlor)..."));
    QTRY_VERIFY(QFile::exists(dir->filePath("vexlor-read")));
    // A case without diaphragm action in the same folder: the file there
    // is the other case's, and vexlor is not started on it.
    QVERIFY(t.w.openCase(dir->filePath("VAGG1.IND")));
    QVERIFY(run_and_wait(t.w));
    QVERIFY(QFile::exists(dir->filePath("SKIVA.INS")));
    t.trigger("Skivverkan (vexlor)...");
    QVERIFY2(t.messages.last().contains("skivverkan ej är genomförd"),
             qPrintable(t.messages.last()));
  }

  void anyReportCanBeChosenAndIsNotTakenForTheCase() {
    auto dir = scratch();
    QVERIFY(write_file(dir->filePath("OLD.RED"), "    RAPPORT\r\n^\r\n"));
    Window t;
    t.w.chooseReport = [&] { return dir->filePath("OLD.RED"); };
    QVERIFY(t.trigger("Välj Resultatfil..."));
    auto* view = t.w.findChild<ReportView*>();
    QVERIFY(view);
    QCOMPARE(view->path(), dir->filePath("OLD.RED"));
    QCOMPARE(view->state(), ResultState::unknown);
  }

  void failingEngineTextIsShown() {
    auto dir = scratch();
    QByteArray bytes = read_file(example("TAK1.IND"));
    bytes.replace("\nR820\n", "\nNOSUCH\n");
    QVERIFY(write_file(dir->filePath("TAK1.IND"), bytes));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QVERIFY(run_and_wait(t.w));
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

  void verdictComesFromTheAccount() {
    // Four spans in two sheets (a joint at support 3), the largest ratio a
    // deflection in span 4 under load case 2, walkability exceeded in span 1.
    const QByteArray account = R"({"status": 0, "database": "/opt/kvop/bin/PROFILKV.BIN",
      "profile": {"designation": "R45     "},
      "case": {"nfack": 4, "pnamn": ["R45     "]},
      "checks": {"KVOTS": [[0.5, 0.9, 0.2, 0.1, 0.0], [0, 0, 0, 0, 0], [0, 0, 0, 0, 0], [0, 0, 0, 0, 0]],
                 "KVOTF": [[0.3, 0.3, 0.3, 0.3], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0]],
                 "KVOTD": [[0, 0, 0, 0], [0.1, 0.2, 0.3, 1.07], [0, 0, 0, 0], [0, 0, 0, 0]],
                 "tjix": [[3, 3, 0, 0, 0], [0, 0, 1, 1, 1], [0, 0, 0, 0, 0]],
                 "plattj": [0.7, 0.7, 0.5, 0.5], "failed": false, "over": true},
      "walkability": {"checked": true, "spans": [1], "max_sheet_length": true,
                      "fully_perforated": false}})";
    const RunVerdict v = read_verdict(account);
    QVERIFY(v.readable);
    QCOMPARE(v.database, QString("/opt/kvop/bin/PROFILKV.BIN"));
    QVERIFY(!v.passes);
    QCOMPARE(v.maxWhere, QString("fack 4 (nedböjning)"));
    QCOMPARE(v.maxLoadCase, 2);
    QCOMPARE(v.sheets, QStringList({"Plåt 1, fack 1–2: 0,70 mm", "Plåt 2, fack 3–4: 0,50 mm"}));
    const QStringList lines = verdict_lines(v);
    QCOMPARE(lines.front(),
             QString("OBS!! Profilen R45 klarar sig ej: största utnyttjandegrad 107 % i fack 4 "
                     "(nedböjning), lastfall 2."));
    QVERIFY(lines.contains("OBS!! Gåbarheten överskriden i fack nr 1"));
    QVERIFY(lines.contains("OBS!! Max plåtlängd överskriden"));
    // A run that stopped before the checks says so; a file that is no account too.
    QVERIFY(verdict_lines(read_verdict(R"({"status": 1, "checks": {}})"))
                .front()
                .contains("misslyckades"));
    QVERIFY(!read_verdict("not json").readable);
  }

  void braskoIniNamesTheInstallationByItsAbsolutePath() {
    QCOMPARE(brasko_ini_line("/opt/kvop/bin"), QString("/opt/kvop/bin"));
    // Beyond 40 characters a blank ends the name, up to 67 characters.
    const QString long50 = "/a/very/long/path/name/that/goes/on/and/on/to/bin";
    QCOMPARE(brasko_ini_line(long50), long50 + " ");
    QCOMPARE(brasko_ini_line("/" + QString(70, 'x')), QString());
    QCOMPARE(brasko_ini_line("/with blank/bin"), QString());

    auto dir = scratch();
    QString m;
    // Missing: written; wrong: rewritten; right: left alone.
    QVERIFY(ensure_brasko_ini(dir->path(), program_dir(), m));
    const QByteArray want = QDir(program_dir()).absolutePath().toUtf8() + "\r\n";
    QCOMPARE(read_file(dir->filePath("BRASKO.INI")), want);
    QFile::remove(dir->filePath("BRASKO.INI"));
    QVERIFY(write_file(dir->filePath("brasko.ini"), "../bin\r\n"));
    QVERIFY(ensure_brasko_ini(dir->path(), program_dir(), m));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"BRASKO.INI"}));
    QCOMPARE(read_file(dir->filePath("BRASKO.INI")), want);
    QVERIFY(write_file(dir->filePath("BRASKO.INI"), want + "a second line, kept\r\n"));
    QVERIFY(ensure_brasko_ini(dir->path(), program_dir(), m));
    QCOMPARE(read_file(dir->filePath("BRASKO.INI")), want + "a second line, kept\r\n");
    // A program directory the line cannot hold is reached through a link.
    const QString deep = dir->filePath(QString("p%1/bin").arg(QString(70, 'q')));
    QVERIFY(QDir().mkpath(deep));
    QVERIFY(ensure_brasko_ini(dir->path(), deep, m));
    const QString line = QString::fromLatin1(read_file(dir->filePath("BRASKO.INI")).trimmed());
    QCOMPARE(QFileInfo(dir->filePath(line)).canonicalFilePath(),
             QFileInfo(deep).canonicalFilePath());
  }
};

QTEST_MAIN(RunTest)
#include "run_test.moc"
