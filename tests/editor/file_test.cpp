// Opening and saving cases in the editor: the examples and generated cases
// of every branch, with LF and CR LF line ends, come back from a save as the
// same engine record, and a case the editor wrote saves back byte for byte;
// failed saves leave the old file; New, Open and closing ask about unsaved
// changes.
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <sstream>

#include "case_generator.h"
#include "driver/run_json.h"
#include "editor_test_support.h"
#include "input_form.h"
#include "pictures.h"

using namespace kvop;
using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

// The record the engine works on after reading the bytes.
nlohmann::json engine_record(const QByteArray& bytes) {
  std::istringstream in(bytes.toStdString());
  CaseFile cf;
  CaseFileFault fault;
  if (!read_case_file(in, cf, fault)) return {{"fault", fault.message("case")}};
  correct_case(cf);
  return case_to_json(cf.in);
}

QByteArray without_cr(QByteArray b) { return b.replace("\r", ""); }

}  // namespace

class FileTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }

  void examplesSaveAsTheSameEngineRecordAndSaveBackIdentically() {
    // The shipped examples and the cases of the end-to-end tests, of every market.
    QStringList cases;
    for (const QString& folder : {QStringLiteral(KVOP_SOURCE_DIR "/examples"),
                                  QStringLiteral(KVOP_SOURCE_DIR "/tests/golden")})
      for (const QString& f : QDir(folder).entryList({"*.IND"}, QDir::Files))
        cases << QDir(folder).filePath(f);
    QVERIFY(cases.size() >= 6);
    for (const QString& path : cases) {
      const QString name = QFileInfo(path).fileName();
      auto dir = scratch();
      Window t;
      QVERIFY(t.w.openCase(path));
      QVERIFY(!t.w.modified());
      const QString first = dir->filePath(name);
      QVERIFY2(t.w.saveTo(first), qPrintable(t.messages.join("\n")));
      const QByteArray saved = read_file(first);
      QCOMPARE(engine_record(saved), engine_record(read_file(path)));
      QVERIFY(saved.endsWith("\r\n"));
      QCOMPARE(saved.count("\r\n"), saved.count("\n"));
      // Opened again and saved unchanged: the same bytes.
      Window u;
      QVERIFY(u.w.openCase(first));
      const QString second = dir->filePath("B/" + name);
      QDir(dir->path()).mkpath("B");
      QVERIFY(u.w.saveTo(second));
      QCOMPARE(read_file(second), saved);
    }
  }

  void generatedCasesOfEveryBranchRoundTrip() {
    kvop::test::CaseGenerator gen(1312);
    auto dir = scratch();
    Window t;
    for (int i = 0; i < 50; ++i) {
      CaseFile cf = gen.next();
      const QString name = QString("G%1").arg(i);
      cf.in.indatafil.set(name.toStdString());
      std::string bytes, fault;
      QVERIFY2(write_case_file(cf, bytes, fault), fault.c_str());
      const QByteArray crlf = QByteArray::fromStdString(bytes);
      const QByteArray input = i % 2 ? crlf : without_cr(crlf);
      QDir(dir->path()).mkpath("in");
      QDir(dir->path()).mkpath("out");
      const QString in = dir->filePath("in/" + name + ".IND");
      const QString out = dir->filePath("out/" + name + ".IND");
      QVERIFY(write_file(in, input));
      QVERIFY2(t.w.openCase(in), qPrintable(t.messages.join("\n")));
      QVERIFY2(t.w.saveTo(out),
               qPrintable(QString("case %1: %2").arg(i).arg(t.messages.join("\n"))));
      const QByteArray saved = read_file(out);
      QCOMPARE(engine_record(saved), engine_record(input));
      // The case was written by this layout: the editor gives its bytes back.
      if (saved != crlf) {
        qWarning() << "case" << i << "differs:\n" << crlf << "\n---\n" << saved;
        QFAIL("saved bytes differ");
      }
    }
  }

  void twentySpansOpenWithEverySpan() {
    kvop::test::CaseGenerator gen(5);
    CaseFile cf;
    do cf = gen.next();
    while (cf.in.nfack != 20);
    cf.in.indatafil.set("SPAN20");
    for (int i = 1; i <= 20; ++i) cf.in.spv(i) = static_cast<float>(i);
    std::string bytes, fault;
    QVERIFY(write_case_file(cf, bytes, fault));
    auto dir = scratch();
    QVERIFY(write_file(dir->filePath("SPAN20.IND"), QByteArray::fromStdString(bytes)));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("SPAN20.IND")));
    const CaseFile shown = t.w.form()->currentCase();
    QCOMPARE(shown.in.nfack, 20);
    for (int i = 1; i <= 20; ++i) QCOMPARE(shown.in.spv(i), static_cast<float>(i));
    QCOMPARE(static_cast<int>(t.w.layoutPicture()->markers().size()), 21);
  }

  void failedSaveLeavesTheOldFileAndSaysWhy() {
    auto dir = scratch();
    QString message;
    CaseFile cf;
    blkdat(cf.in);
    cf.in.nedbkrav = 2;
    QVERIFY(!save_case(dir->filePath("nodir/X.IND"), cf, message));
    QVERIFY2(message.startsWith("Path Does Not Exist"), qPrintable(message));
    // A value the layout cannot hold: the existing file stays as it was.
    const QString old = dir->filePath("OLD.IND");
    QVERIFY(write_file(old, "old bytes\r\n"));
    cf.in.spv(1) = 12345.0f;
    QVERIFY(!save_case(old, cf, message));
    QVERIFY2(message.contains("Spännvidd fack 1"), qPrintable(message));
    QCOMPARE(read_file(old), QByteArray("old bytes\r\n"));
    // A directory in the way of the file.
    QDir(dir->path()).mkpath("D.IND");
    cf.in.spv(1) = 6.0f;
    QVERIFY(!save_case(dir->filePath("D.IND"), cf, message));
    QVERIFY(!message.isEmpty());
  }

  void unreadableCaseIsReportedAndTheOpenCaseStays() {
    auto dir = scratch();
    QVERIFY(write_file(dir->filePath("BAD.IND"), "BAD\r\nTITLE\r\n 1\r\n"));
    Window t;
    QVERIFY(t.w.openCase(example("TAK1.IND")));
    QVERIFY(!t.w.openCase(dir->filePath("BAD.IND")));
    QCOMPARE(t.messages.last(), QString("Filen BAD.IND kan inte läsas (rad 4, Säkerhetsklass):\n"
                                        "filen tar slut före denna post."));
    QCOMPARE(t.w.caseName(), QString("TAK1"));
  }

  void caseTheEngineRefusesDoesNotOpenAndSaysWhatTheEngineSays() {
    // TAK1 with lines replaced (1-based); LF line ends as the example has.
    const auto changed = [](std::map<int, QByteArray> lines, const QByteArray& before = {}) {
      QList<QByteArray> l = read_file(example("TAK1.IND")).split('\n');
      for (const auto& [n, text] : lines) l[n - 1] = text;
      return before + l.join('\n');
    };
    struct Case {
      QByteArray bytes;
      QString message;
    };
    const Case cases[] = {
        // Record 15 (line 14): a left cantilever of 0,30 m would read as 0.
        {changed({{14, "0,30"}}),
         "Filen BAD.IND kan inte läsas (rad 14, Konsol vänster (m)):\n\"0,30\" är skrivet med "
         "decimalkomma; filen ska ha decimalpunkt."},
        // A pocket above the plain snow (1.6 > 0.8) in span 2 of 6 m, its
        // maximum 6.5 m out: slot 40 * 6.5 / 6 = 43.3 lies past slot 41.
        {changed({{27, "2"}, {28, "1.6"}, {31, "6.5"}}),
         "Filen BAD.IND kan inte läsas (rad 31, Extra snöficka, Avstånd från vänster stöd (m)):\n"
         "snöfickans avstånd 6.500 m ligger bortom fack 2 med spännvidden 6.000 m; ange fickan i "
         "det fack där den ligger."},
        // Saved as UTF-8 with a mark by another program.
        {changed({}, "\xEF\xBB\xBF"),
         "Filen BAD.IND kan inte läsas (rad 1, Filnamn):\nfilen är UTF-8-text; spara den som "
         "Windows-1252 (ANSI)."},
    };
    auto dir = scratch();
    Window t;
    QVERIFY(t.w.openCase(example("TAK1.IND")));
    for (const Case& c : cases) {
      QVERIFY(write_file(dir->filePath("BAD.IND"), c.bytes));
      QVERIFY(!t.w.openCase(dir->filePath("BAD.IND")));
      QCOMPARE(t.messages.last(), c.message);
      QCOMPARE(t.w.caseName(), QString("TAK1"));
    }
    // The same pocket no higher than the plain snow is not placed, so it is
    // no fault; the editor shows the span and distance as stored.
    QVERIFY(write_file(dir->filePath("OK.IND"), changed({{27, "2"}, {28, "0.8"}, {31, "6.5"}})));
    QVERIFY2(t.w.openCase(dir->filePath("OK.IND")), qPrintable(t.messages.join("\n")));
    QCOMPARE(t.w.form()->currentCase().in.fickfack, 2);
    QCOMPARE(t.w.form()->currentCase().in.fickavst, 6.5f);
  }

  void newOpenAndCloseAskAboutUnsavedChanges() {
    Window t;
    QVERIFY(t.w.openCase(example("TAK1.IND")));
    auto* rubrik = t.w.form()->findChild<QLineEdit*>("Rubrik");
    QTest::keyClicks(rubrik, " X");
    QVERIFY(t.w.modified());
    t.answer = 2;  // Avbryt
    QVERIFY(t.trigger("Ny"));
    QCOMPARE(t.questions.last(), QString("Vill Du spara ändringarna i TAK1.IND ?"));
    QCOMPARE(t.w.caseName(), QString("TAK1"));
    QVERIFY(t.w.modified());
    t.files = QStringList{example("VAGG1.IND")};
    QVERIFY(!t.w.openAsked());
    QCOMPARE(t.questions.size(), 2);
    QCOMPARE(t.w.caseName(), QString("TAK1"));
    t.answer = 1;  // Nej
    QVERIFY(t.trigger("Ny"));
    QCOMPARE(t.w.caseName(), QString("NAMNLÖS"));
    QVERIFY(!t.w.modified());
    QTest::keyClicks(t.w.form()->findChild<QLineEdit*>("Rubrik"), "Y");
    t.answer = 2;
    QVERIFY(!t.w.close());
    QCOMPARE(t.questions.last(), QString("Vill Du spara ändringarna i NAMNLÖS.IND ?"));
    // "Ja" on a new case asks for a name; a refused name saves nothing.
    auto dir = scratch();
    t.answer = 0;
    t.files = QStringList{dir->filePath("FÖR LÅNG.IND")};
    QVERIFY(!t.w.maybeSave());
    QCOMPARE(t.messages.last(), QString(kFileNameRule));
    t.files = QStringList{dir->filePath("NY1.IND")};
    QVERIFY(t.w.maybeSave());
    QVERIFY(QFile::exists(dir->filePath("NY1.IND")));
    QCOMPARE(t.w.caseName(), QString("NY1"));
  }

  void defaultCaseOfTheProgramDirectoryIsTheNewCase() {
    Window t;
    QVERIFY(t.trigger("Ny"));
    const CaseFile cf = t.w.form()->currentCase();
    CaseFile def;
    QString m;
    QVERIFY(load_case(program_dir() + "/kvop.def", def, m));
    QCOMPARE(case_to_json(cf.in), case_to_json(def.in));
  }
};

QTEST_MAIN(FileTest)
#include "file_test.moc"
