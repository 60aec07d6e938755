// "Jämför profiler": the case on screen is dimensioned with every profile of
// the database; the table shows them in the comparison's order, sorts by any
// column, and the profile chosen goes into the case.  The case's folder gets
// nothing.
#include <QComboBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include "compare_dialog.h"
#include "editor_test_support.h"
#include "input_form.h"

using namespace kvop::editor;
using namespace kvop::editor::test;

class CompareTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }

  void accountReadsIntoWords() {
    const QByteArray account = R"({"comparison": [
      {"designation": "R820U   ", "plattj": [1.1, 1.2], "weight_kg_m2": 16.5, "max_ratio": 0.97,
       "governs": {"kind": "support", "number": 2, "load_case": 1},
       "walkability": {"checked": true, "spans": [], "max_sheet_length": false}, "passes": true},
      {"designation": "X35", "plattj": [0.9, 0.9], "weight_kg_m2": 8.7, "max_ratio": 9.7,
       "governs": {"kind": "deflection", "number": 1, "load_case": 2},
       "walkability": null, "passes": false},
      {"designation": "R45", "plattj": [1.0, 1.0], "weight_kg_m2": 10.5, "max_ratio": 4.5,
       "governs": {"kind": "span", "number": 3, "load_case": 4},
       "walkability": {"checked": true, "spans": [1, 3], "max_sheet_length": true},
       "passes": false}]})";
    const auto p = read_comparison(account);
    QCOMPARE(p.size(), 3);
    QCOMPARE(p[0].designation, QString("R820U"));
    QCOMPARE(p[0].plattj, (QVector<double>{1.1, 1.2}));
    QCOMPARE(p[0].governs, QString("stöd 2, lastfall 1"));
    QCOMPARE(p[0].walk, QString("OK"));
    QVERIFY(p[0].passes);
    QCOMPARE(p[1].governs, QString("fack 1 (nedböjning), lastfall 2"));
    QCOMPARE(p[1].walk, QString("ej kontrollerad"));
    QCOMPARE(p[2].governs, QString("fack 3, lastfall 4"));
    QCOMPARE(p[2].walk, QString("överskriden i fack 1, 3; max plåtlängd överskriden"));
    QVERIFY(read_comparison("{}").isEmpty());
    QVERIFY(read_comparison("not json").isEmpty());
  }

  void comparesTheCaseOnScreenAndPutsTheChosenProfileIntoIt() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    Window t;
    QVERIFY(t.w.openCase(dir->filePath("TAK1.IND")));
    QVERIFY(t.trigger("Jämför profiler..."));
    auto* dialog = t.w.findChild<CompareDialog*>();
    QVERIFY(dialog);
    QSignalSpy done(&dialog->engine(), &EngineRun::finished);
    QVERIFY(done.wait(120000));
    QCOMPARE(done.first().at(0).toInt(), 0);
    QVERIFY(dialog->windowTitle().contains("TAK1"));

    QTableWidget* table = dialog->table();
    const auto& profiles = dialog->profiles();
    QCOMPARE(table->rowCount(), 17);
    QCOMPARE(profiles.size(), 17);
    // The comparison's order: passing profiles first, lightest first.
    for (int r = 0; r < table->rowCount(); ++r)
      QCOMPARE(table->item(r, 1)->text(), profiles[r].designation);
    QVERIFY(profiles.first().passes);
    QVERIFY(!profiles.last().passes);
    // Sorted by weight, numerically.
    table->sortItems(2, Qt::AscendingOrder);
    double previous = -1;
    for (int r = 0; r < table->rowCount(); ++r) {
      const double w = table->item(r, 2)->text().replace(',', '.').toDouble();
      QVERIFY2(w >= previous, qPrintable(table->item(r, 1)->text()));
      previous = w;
    }
    // The folder of the case got nothing.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"TAK1.IND"});

    // Choosing a row puts that profile into the case.
    int row = -1;
    for (int r = 0; r < table->rowCount(); ++r)
      if (table->item(r, 1)->text() == "R820U") row = r;
    QVERIFY(row >= 0);
    QVERIFY(!t.w.modified());
    dialog->chooseRow(row);
    QCOMPARE(t.w.form()->findChild<QComboBox*>("pnamn")->currentText(), QString("R820U"));
    QVERIFY(t.w.modified());
  }
};

QTEST_MAIN(CompareTest)
#include "compare_test.moc"
