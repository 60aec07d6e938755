// How the editor speaks about the case: refusals name the field by its
// caption and put the focus on it, faults of the case file layout and of
// the engine's console come out in Swedish, the span count is taken when
// complete and asks before removing loads, number fields refuse letters and
// state their ranges, the profile comes from the database, and the
// diaphragm step can be chosen with its data kept.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>
#include <sstream>

#include "case_document.h"
#include "driver/inkvop.h"
#include "editor_test_support.h"
#include "engine_run.h"
#include "font_form.h"
#include "input_form.h"
#include "messages.h"
#include "number_edit.h"

using namespace kvop;
using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

CaseFile roof_case(int spans = 3) {
  CaseFile cf;
  blkdat(cf.in);
  cf.in.indatafil.set("T");
  cf.in.nedbkrav = 2;
  cf.in.pnamn(1).set("R45");
  cf.in.iskiv = 2;  // as a new case: no diaphragm step
  cf.in.nfack = spans;
  for (int i = 1; i <= spans; ++i) cf.in.spv(i) = 6.0f;
  return cf;
}

// Two line loads on spans 2 and 4 and a snow pocket above the plain snow in span 3.
CaseFile loaded_case() {
  CaseFile cf = roof_case(4);
  cf.in.nlinj = 2;
  cf.in.linjfack(1) = 2;
  cf.in.linjfack(2) = 4;
  cf.in.linjlast(1).brottned = 1.5f;
  cf.in.linjlast(2).brottned = 2.5f;
  cf.in.snoform = 0.8f;
  cf.in.fickfack = 3;
  cf.in.fickform = 1.6f;
  cf.in.fickavst = 2.0f;
  return cf;
}

void choose(InputForm& f, const QString& frame, int id) {
  auto* o = f.findChild<OptionFrame*>(frame);
  QVERIFY2(o && o->group()->button(id), qPrintable(frame));
  o->group()->button(id)->click();
}

// The case as saved and read back.
CaseFile round_trip(const CaseFile& cf) {
  QString message;
  const QByteArray bytes = case_bytes(cf, "T", message);
  std::istringstream in(bytes.toStdString());
  CaseFile back;
  CaseFileFault fault;
  if (!read_case_file(in, back, fault)) qWarning("%s", fault.message("T").c_str());
  return back;
}

}  // namespace

class InputTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }

  void faultsOfTheCaseLayoutInSwedishWithCaptions() {
    InputCase roof;
    blkdat(roof);
    QString control;
    QCOMPARE(write_fault_message("spv(2): span length must be greater than 0", roof, &control),
             QString("Felaktigt värde i fältet Spännvidd fack 2: värdet måste vara större än 0."));
    QCOMPARE(control, QString("spv2"));
    QCOMPARE(write_fault_message("linjfack(2): span 3 is outside 1..2", roof, &control),
             QString("Felaktigt värde i fältet Linjelast 2, Fack nr: fack 3 finns inte (fack 1 "
                     "till 2)."));
    QVERIFY(control.isEmpty());
    QCOMPARE(case_field("egentyngd", roof).caption, QString("Egentyngd (kN/m2)"));
    QCOMPARE(case_field("upplbredd(1)", roof).control, QString("upl0"));
    QCOMPARE(case_field("skivdata(5)", roof).caption, QString("Skivverkan, värde D6"));
    // The wind values of a wall are other fields than those of a roof.
    InputCase wall = roof;
    wall.vagg = 1;
    QCOMPARE(case_field("vind(2)", roof).control, QString("qvformf"));
    QCOMPARE(case_field("vind(2)", wall).control, QString("formfr"));
    QCOMPARE(case_field("snolast", roof).control, QString("qkar"));
    wall.marknadskod = 3;
    QCOMPARE(case_field("snolast", wall).control, QString("qnorg"));
    // A reason the editor does not know is not shown in English.
    const QString unknown = fault_reason("something new went wrong");
    QVERIFY(!unknown.contains("wrong"));
    QVERIFY(!unknown.isEmpty());
  }

  void engineConsoleReducedToItsMessages() {
    QString console;
    for (int i = 0; i < 14; ++i) console += "\n";
    console +=
        "                      BERÄKNING PÅGÅR ............. \n"
        " PROFILBETECKNING NOSUCH   FINNS EJ INLAGD\n"
        " SÖKT I PROFILDATABASEN /x/PROFILKV.BIN\n"
        " TRYCK VALFRI TANGENT FÖR ATT FORTSÄTTA\n";
    QCOMPARE(engine_messages(console),
             QString("PROFILBETECKNING NOSUCH   FINNS EJ INLAGD\nSÖKT I PROFILDATABASEN "
                     "/x/PROFILKV.BIN"));
    // An input fault the engine reports in its own terms.
    QCOMPARE(engine_messages("kvopwb: ~INDATA~.TMP line 7 (record 7, spv(2)): span length "
                             "\"  0.000\" in columns 8-14: it must be greater than 0\n"),
             QString("Filen ~INDATA~.TMP kan inte läsas (rad 7, Spännvidd fack 2):\nvärdet måste "
                     "vara större än 0."));
  }

  void refusalNamesTheFieldAndFocusesIt() {
    Window t;
    t.w.form()->setCase(roof_case());
    auto* egt = t.w.form()->findChild<NumberEdit*>("egt");
    egt->setText("9");
    auto dir = scratch();
    QVERIFY(!t.w.saveTo(dir->filePath("A.IND")));
    QCOMPARE(
        t.messages.last(),
        QString("Felaktigt värde i fältet Egentyngd (kN/m2): \"9\".\nTillåtet: 0.00 till 5.00."));
    QCOMPARE(t.w.form()->focusWidget(), static_cast<QWidget*>(egt));
    QVERIFY(!QFile::exists(dir->filePath("A.IND")));
    // A fault that only the case as a whole shows: the snow pocket lies
    // beyond its span.  The message is Swedish and names the pocket.
    CaseFile c = loaded_case();
    c.in.fickavst = 6.5f;
    t.w.form()->setCase(c);
    QVERIFY(!t.w.saveTo(dir->filePath("A.IND")));
    const QString m = t.messages.last();
    QVERIFY2(m.startsWith("Felaktigt värde i fältet Extra snöficka, Avstånd från vänster stöd (m): "
                          "snöfickans avstånd 6.500 m ligger bortom fack 3"),
             qPrintable(m));
    QVERIFY(!m.contains("Bad FileMode"));
    QVERIFY(!m.contains("span"));
  }

  void spanCountTakenWhenComplete() {
    InputForm f;
    f.setCase(roof_case(3));
    QSignalSpy changed(&f, &InputForm::changed);
    auto* n = f.findChild<QSpinBox*>("nfack");
    n->selectAll();
    QTest::keyClicks(n, "1");
    // "1" is only the start of "12": the case keeps its three spans.
    QCOMPARE(f.spans(), 3);
    QVERIFY(f.findChild<NumberEdit*>("spv3")->isVisibleTo(&f));
    QCOMPARE(changed.count(), 0);
    QTest::keyClicks(n, "2");
    QTest::keyClick(n, Qt::Key_Return);
    QCOMPARE(f.spans(), 12);
    QCOMPARE(f.currentCase().in.nfack, 12);
    QVERIFY(f.findChild<NumberEdit*>("spv12")->isVisibleTo(&f));
    QVERIFY(changed.count() > 0);
  }

  void removingSpansWithLoadsAsksFirst() {
    InputForm f;
    QStringList questions;
    bool answer = false;
    f.confirm = [&](const QString& q) {
      questions << q;
      return answer;
    };
    f.setCase(loaded_case());
    auto* n = f.findChild<QSpinBox*>("nfack");
    // Declined: nothing changes.
    n->setValue(2);
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions[0].contains("linjelast 2 i fack 4"), qPrintable(questions[0]));
    QVERIFY(questions[0].contains("snöfickan i fack 3"));
    QVERIFY(!questions[0].contains("linjelast 1"));
    QCOMPARE(n->value(), 4);
    CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.nfack, 4);
    QCOMPARE(cf.in.nlinj, 2);
    QCOMPARE(cf.in.fickfack, 3);
    // Accepted: the loads on the removed spans go, the others stay.
    answer = true;
    n->setValue(2);
    QCOMPARE(questions.size(), 2);
    cf = f.currentCase();
    QCOMPARE(cf.in.nfack, 2);
    QCOMPARE(cf.in.nlinj, 1);
    QCOMPARE(cf.in.linjfack(1), 2);
    QCOMPARE(cf.in.linjlast(1).brottned, 1.5f);
    QCOMPARE(cf.in.linjfack(2), 0);
    QCOMPARE(cf.in.fickfack, 0);
    QVERIFY(f.validate().isEmpty());
    // Without loads on the removed spans nothing is asked.
    n->setValue(1);
    QCOMPARE(questions.size(), 3);  // the load on span 2
    answer = false;
    CaseFile plain = roof_case(5);
    f.setCase(plain);
    n->setValue(2);
    QCOMPARE(questions.size(), 3);
    QCOMPARE(f.currentCase().in.nfack, 2);
  }

  void numberFieldsRefuseLettersAndShowTheirFormat() {
    InputForm f;
    f.setCase(roof_case());
    auto* spv = f.findChild<NumberEdit*>("spv2");
    QVERIFY2(spv->toolTip().contains("Spännvidd fack 2"), qPrintable(spv->toolTip()));
    QVERIFY(spv->toolTip().contains("Tillåtet: 0.100 till 30.000"));
    QVERIFY(f.findChild<NumberEdit*>("konsv")->toolTip().contains("0.00 till 3.00"));
    QSignalSpy refused(spv, &NumberEdit::keyRefused);
    spv->selectAll();
    QTest::keyClicks(spv, "7x");
    QCOMPARE(spv->text(), QString("7"));
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused[0][0].toString(), QString("x"));
    QTest::keyClicks(spv, ",25");
    emit spv->editingFinished();
    QCOMPARE(spv->text(), QString("7.250"));  // the field's pattern "0.000"
    QCOMPARE(f.currentCase().in.spv(2), 7.25f);
    // A value outside the range is marked while it stands.
    const QColor plain = spv->palette().color(QPalette::Base);
    spv->setText("45");
    QVERIFY(spv->palette().color(QPalette::Base) != plain);
    spv->setText("4.5");
    QCOMPARE(spv->palette().color(QPalette::Base), plain);
  }

  void profileChosenFromTheDatabase() {
    InputForm f;
    QStringList warnings;
    f.warn = [&](const QString& w) { warnings << w; };
    f.setProfiles({{"R45", {0.6f, 0.7f}}, {"R70", {0.7f, 0.9f}}});
    f.setCase(roof_case());
    auto* p = f.findChild<QComboBox*>("pnamn");
    p->lineEdit()->selectAll();
    QTest::keyClicks(p->lineEdit(), "R99");
    emit p->lineEdit()->editingFinished();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].contains("\"R99\" finns inte i profildatabasen"));
    QCOMPARE(p->currentText(), QString("R45"));
    // Any letter case names a profile; the database's spelling is kept.
    p->lineEdit()->selectAll();
    QTest::keyClicks(p->lineEdit(), "r70");
    emit p->lineEdit()->editingFinished();
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(f.currentCase().in.pnamn(1), Text<8>("R70"));
    // An opened case with a designation the database lacks cannot be saved.
    CaseFile c = roof_case();
    c.in.pnamn(1).set("NOSUCH");
    f.setCase(c);
    QVERIFY(f.validate().contains("\"NOSUCH\" finns inte i profildatabasen"));
    QCOMPARE(f.faultControl(), QString("pnamn"));
    // Without a database every designation is taken.
    f.setProfiles({});
    QVERIFY(f.validate().isEmpty());
  }

  void missingDatabaseWarnedAtStart() {
    auto dir = scratch();
    QVERIFY(database_warning(program_dir()).isEmpty());
    const QString w = database_warning(dir->path());
    QVERIFY(w.contains("PROFILKV.BIN"));
    QVERIFY(w.contains(QDir::toNativeSeparators(dir->path())));
  }

  // An installed tree: the programs in bin/, the data in share/kvop/.  The
  // editor takes its profiles, its default case and the database it names
  // to the engine from there, and keeps the user's font choice out of it.
  void installedLayoutServesTheDataAndKeepsSettingsOut() {
    isolate_settings();
    auto tree = scratch();
    const QString bin = tree->filePath("bin"), share = tree->filePath("share/kvop");
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(share));
    QVERIFY(database_warning(bin).contains(QDir::toNativeSeparators(QDir::cleanPath(share))));
    QVERIFY(data_dir(bin).isEmpty());
    QVERIFY(QFile::copy(program_dir() + "/PROFILKV.BIN", share + "/PROFILKV.BIN"));
    QVERIFY(QFile::copy(program_dir() + "/kvop.def", share + "/kvop.def"));
    QCOMPARE(QDir(data_dir(bin)).canonicalPath(), QDir(share).canonicalPath());
    QVERIFY(database_warning(bin).isEmpty());
    MainWindow w(bin);
    QCOMPARE(QDir(w.dataDir()).canonicalPath(), QDir(share).canonicalPath());
    // The run's BRASKO.INI names the data directory, where the database lies.
    auto run = scratch();
    QString message;
    QVERIFY(ensure_brasko_ini(run->path(), w.dataDir(), message));
    QFile ini(run->filePath("BRASKO.INI"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(QDir(QString::fromLatin1(ini.readLine()).trimmed()).canonicalPath(),
             QDir(share).canonicalPath());
    // The font choice: never into the installed bin/, but beside the program
    // of a build tree.
    QVERIFY(QDir(settings_dir(bin)).canonicalPath() != QDir(bin).canonicalPath());
    QVERIFY(QDir(settings_dir(bin)).canonicalPath() != QDir(share).canonicalPath());
    QCOMPARE(QDir(settings_dir(program_dir())).canonicalPath(), QDir(program_dir()).canonicalPath());
  }

  void diaphragmStepOnInsulatedAndVexRoofs() {
    InputForm f;
    f.setCase(roof_case());  // insulated, no diaphragm step
    auto* frame = f.findChild<OptionFrame*>("iskiv");
    QVERIFY(frame->isVisibleTo(&f));
    QCOMPARE(frame->checked(), 2);
    choose(f, "iskiv", 1);
    CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.iskiv, 1);
    // A new case writes zeros and blank texts for the diaphragm program's data.
    CaseFile back = round_trip(cf);
    QCOMPARE(back.in.iskiv, 1);
    for (int k = 1; k <= 12; ++k) QCOMPARE(back.in.skivdata(k), 0.0f);
    for (int t = 1; t <= 5; ++t) QVERIFY(back.in.skivtext(t).trimmed().empty());
    choose(f, "typt", 2);
    QVERIFY(frame->isVisibleTo(&f));
    choose(f, "typt", 0);
    QVERIFY(!frame->isVisibleTo(&f));
    choose(f, "typt", 1);
    choose(f, "anvo", 1);
    QVERIFY(!frame->isVisibleTo(&f));

    // An opened case keeps its step code and its data D1-D13, T1-T5.
    CaseFile opened = roof_case();
    opened.in.iskiv = 0;
    for (int k = 1; k <= 12; ++k)
      opened.in.skivdata(k) = skivdata_is_integer(k) ? static_cast<float>(k) : 0.25f * k;
    opened.d5 = 7.5f;
    opened.in.skivtext(1).set("TAKSKIVA A");
    opened.in.skivtext(5).set("SISTA RADEN");
    const CaseFile read = round_trip(opened);
    f.setCase(read);
    QCOMPARE(frame->checked(), 1);
    CaseFile kept = round_trip(f.currentCase());
    QCOMPARE(kept.in.iskiv, 0);
    for (int k = 1; k <= 12; ++k) QCOMPARE(kept.in.skivdata(k), read.in.skivdata(k));
    QCOMPARE(kept.d5, 7.5f);
    QCOMPARE(kept.in.skivtext(1).trimmed(), std::string_view("TAKSKIVA A"));
    QCOMPARE(kept.in.skivtext(5).trimmed(), std::string_view("SISTA RADEN"));
    // "Nej" gives no diaphragm step; the data stay in the case for a later "Ja".
    choose(f, "iskiv", 2);
    QCOMPARE(f.currentCase().in.iskiv, 2);
    choose(f, "iskiv", 1);
    QCOMPARE(round_trip(f.currentCase()).in.skivtext(1).trimmed(), std::string_view("TAKSKIVA A"));
  }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
