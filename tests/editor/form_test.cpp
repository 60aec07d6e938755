// The input form against the case record, one test per frame: every
// control sets its field, a case shows its fields in the controls, frames
// follow the market and roof or wall, and the refusals of the form.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "case_document.h"
#include "driver/case_layout.h"
#include "driver/inkvop.h"
#include "editor_test_support.h"
#include "input_form.h"
#include "joint_form.h"
#include "line_load_form.h"
#include "number_edit.h"
#include "snow_pocket_form.h"
#include "wind_form.h"

using namespace kvop;
using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

CaseFile roof_case() {
  CaseFile cf;
  blkdat(cf.in);
  cf.in.indatafil.set("T");
  cf.in.nedbkrav = 2;
  cf.in.pnamn(1).set("R45");
  return cf;
}

// Types `text` into a field as the user does, so that the form hears of it.
void type(InputForm& f, const QString& name, const QString& text) {
  auto* e = f.findChild<QLineEdit*>(name);
  QVERIFY2(e, qPrintable(name));
  e->selectAll();
  QTest::keyClicks(e, text);
}

void choose(InputForm& f, const QString& frame, int id) {
  auto* o = f.findChild<OptionFrame*>(frame);
  QVERIFY2(o, qPrintable(frame));
  QVERIFY2(o->group()->button(id), qPrintable(frame));
  o->group()->button(id)->click();
}

bool shown(InputForm& f, const QString& name) {
  auto* w = f.findChild<QWidget*>(name);
  return w && w->isVisibleTo(&f);
}

}  // namespace

class FormTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }

  void titleAndProfileFrame() {
    InputForm f;
    f.setCase(roof_case());
    type(f, "Rubrik", "HALL Å");
    f.findChild<QComboBox*>("pnamn")->setEditText("R820");
    f.findChild<QCheckBox*>("mikroband")->setChecked(true);
    const CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.rubrik.trimmed(), std::string_view("HALL \xC5"));
    QCOMPARE(cf.in.pnamn(1), Text<8>("R820"));
    QCOMPARE(cf.in.mikroband, 1);
  }

  void lockedThicknessChosenFromTheProfileList() {
    InputForm f;
    f.setProfiles({{"R45", {0.6f, 0.7f, 0.9f}}});
    CaseFile c = roof_case();
    f.setCase(c);
    auto* b = f.findChild<QAbstractButton*>("ptjl3");
    QVERIFY(b && b->isVisibleTo(&f));
    QCOMPARE(b->text(), QString("0.90"));
    QVERIFY(!f.findChild<QAbstractButton*>("ptjl4")->isVisibleTo(&f));
    b->click();
    const CaseFile cf = f.currentCase();
    QCOMPARE(cf.locked, 1);
    for (int i = 1; i <= 3; ++i) QCOMPARE(cf.in.tjlk(i), 0.9f);
    f.findChild<QCheckBox*>("last_tjocklek")->setChecked(false);
    QCOMPARE(f.currentCase().locked, 0);
  }

  void geometryFrame() {
    InputForm f;
    f.setCase(roof_case());
    f.findChild<QSpinBox*>("nfack")->setValue(4);
    type(f, "spv4", "7,25");  // a decimal comma is a point
    type(f, "upl4", "0.15");
    type(f, "konsv", "0.3");
    type(f, "konsh", "0,05");
    f.findChild<QCheckBox*>("mbkonsv")->setChecked(true);
    const CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.nfack, 4);
    QCOMPARE(cf.in.spv(4), 7.25f);
    QCOMPARE(cf.in.upplbredd(5), 0.15f);
    QCOMPARE(cf.in.konsv, 0.3f);
    QCOMPARE(cf.in.konsh, 0.05f);
    QCOMPARE(cf.in.mbkonsv, 1);
    QCOMPARE(cf.in.mbkonsh, 0);
    QVERIFY(shown(f, "spv4"));
    QVERIFY(!shown(f, "spv5"));
    QVERIFY(shown(f, "upl4"));
    QVERIFY(!shown(f, "upl5"));
    QCOMPARE(f.findChild<QSpinBox*>("nfack")->maximum(), 20);
  }

  void useAndRoofOptionFrames() {
    InputForm f;
    f.setCase(roof_case());
    choose(f, "typt", 2);
    choose(f, "oflans", 1);
    choose(f, "perfo", 1);
    choose(f, "vandr", 2);
    choose(f, "sido", 2);
    choose(f, "uts", 1);
    choose(f, "lasbalk", 1);
    type(f, "kvot", "0.5");
    CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.taktyp, 2);
    QCOMPARE(cf.in.oflans, 1);
    QCOMPARE(cf.in.perfo(1), 1);
    QCOMPARE(cf.in.vandr(1), 2);
    QCOMPARE(cf.in.sidoverl(1), 2.0f);
    QCOMPARE(cf.in.utskr, 1);
    QCOMPARE(cf.in.kvottak, 0.5f);
    QCOMPARE(cf.vex_code, 1);
    choose(f, "lasbalk", 2);  // locked at the ridge: a ratio above 9999
    cf = f.currentCase();
    QVERIFY(cf.in.kvottak > 9999.0f);
    QCOMPARE(cf.vex_code, 2);
    choose(f, "anvo", 1);
    QCOMPARE(f.currentCase().in.vagg, 1);
  }

  void storedCodesNoButtonShowsAreKeptUntilChanged() {
    CaseFile c = roof_case();
    c.in.perfo(1) = 2;  // fully perforated: shown as "Ja"
    c.in.utskr = 2;     // paged with a graphical summary per load case: shown as "Lång"
    c.in.sakkl = 3;     // no Swedish class 3 button
    c.in.nedbkrav = 0;
    InputForm f;
    f.setCase(c);
    QCOMPARE(f.findChild<OptionFrame*>("perfo")->checked(), 1);
    CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.perfo(1), 2);
    QCOMPARE(cf.in.utskr, 2);
    QCOMPARE(cf.in.sakkl, 3);
    QCOMPARE(cf.in.nedbkrav, 0);
    choose(f, "perfo", 0);
    choose(f, "perfo", 1);
    choose(f, "shkl", 1);
    cf = f.currentCase();
    QCOMPARE(cf.in.perfo(1), 2);  // back on the button that shows the stored code
    QCOMPARE(cf.in.sakkl, 1);
  }

  void roofLoadFrames() {
    InputForm f;
    f.setCase(roof_case());
    type(f, "egt", "0.55");
    type(f, "Taklu", "14");
    type(f, "Last", "0.8");
    choose(f, "sno", 5);  // "3.0"
    type(f, "qvan", "0.6");
    type(f, "qvind", "0.62");
    type(f, "qvformf", "1.1");
    type(f, "qvformft", "0.3");
    CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.egentyngd, 0.55f);
    QCOMPARE(cf.in.taklutn, 14.0f);
    QCOMPARE(cf.in.snoform, 0.8f);
    QCOMPARE(cf.in.snolast, 3.0f);
    QVERIFY(!cf.snow_on_next);
    QCOMPARE(cf.in.psi0sno, 0.6f);
    QCOMPARE(cf.in.vind(1), 0.62f);
    QCOMPARE(cf.in.vind(2), 1.1f);
    QCOMPARE(cf.in.vind(3), 0.3f);
    choose(f, "sno", 8);  // Valfri
    type(f, "qkar", "2,7");
    cf = f.currentCase();
    QCOMPARE(cf.in.snolast, 2.7f);
    QVERIFY(cf.snow_on_next);
    // The edge zone of wind suction belongs to non-insulated roofs.
    QVERIFY(!f.findChild<NumberEdit*>("randz")->isEnabled());
    choose(f, "typt", 0);
    type(f, "randz", "1.8");
    type(f, "lrandz", "2.5");
    cf = f.currentCase();
    QCOMPARE(cf.in.vind(4), 1.8f);
    QCOMPARE(cf.in.vind(5), 2.5f);
    // Other markets give the ground snow directly.
    f.setMarket(3);
    type(f, "qnorg", "3.5");
    cf = f.currentCase();
    QCOMPARE(cf.in.marknadskod, 3);
    QCOMPARE(cf.in.snolast, 3.5f);
  }

  void wallWindFrame() {
    InputForm f;
    CaseFile c = roof_case();
    c.in.vagg = 1;
    f.setCase(c);
    type(f, "qvvind", "0.5");
    type(f, "formm", "0.8");
    type(f, "formfr", "0.6");
    type(f, "mym", "1.2");
    type(f, "myfr", "1.4");
    type(f, "lm", "1.5");
    type(f, "lfr", "2");
    const CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.vind(1), 0.5f);
    QCOMPARE(cf.in.vind(2), 0.6f);  // away from the wall
    QCOMPARE(cf.in.vind(3), 0.8f);  // towards the wall
    QCOMPARE(cf.in.vind(4), 1.4f);
    QCOMPARE(cf.in.vind(5), 2.0f);
    QCOMPARE(cf.in.vind(6), 1.2f);
    QCOMPARE(cf.in.vind(7), 1.5f);
  }

  void serviceabilityFrame() {
    InputForm f;
    f.setCase(roof_case());
    type(f, "bnedb", "200");
    type(f, "Lastf", "0.5");
    CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.nedbkvot, 200.0f);
    QCOMPARE(cf.in.nedbkrav, 2);
    QCOMPARE(cf.in.psi1sno, 0.5f);
    f.findChild<QCheckBox*>("ec3")->setChecked(true);
    QCOMPARE(f.currentCase().in.nedbkrav, 1);
    QVERIFY(!f.findChild<NumberEdit*>("bnedb")->isEnabled());
  }

  void safetyClassFrameOfTheMarketOnly() {
    const char* frames[5] = {"shkl", "shklpl", "pkl", "shklfi", "shkldk"};
    InputForm f;
    f.setCase(roof_case());
    for (int m = 1; m <= 5; ++m) {
      f.setMarket(m);
      for (int k = 1; k <= 5; ++k) QCOMPARE(shown(f, frames[k - 1]), k == m);
      choose(f, frames[m - 1], m == 1 ? 2 : 3);
      QCOMPARE(f.currentCase().in.sakkl, m == 1 ? 2 : 3);
    }
  }

  void framesFollowRoofWallAndRoofType() {
    InputForm f;
    f.setCase(roof_case());  // insulated roof, Sweden
    QVERIFY(shown(f, "typt"));
    QVERIFY(shown(f, "perfo"));
    QVERIFY(!shown(f, "lasbalk"));
    QVERIFY(shown(f, "sno"));
    QVERIFY(!shown(f, "qnorg"));
    QVERIFY(shown(f, "qvind"));
    QVERIFY(!shown(f, "qvvind"));
    choose(f, "typt", 0);
    QVERIFY(!shown(f, "perfo"));
    choose(f, "typt", 2);
    QVERIFY(shown(f, "lasbalk"));
    choose(f, "anvo", 1);
    for (const char* roof_only : {"typt", "oflans", "perfo", "lasbalk", "egt", "sno", "qvind"})
      QVERIFY2(!shown(f, roof_only), roof_only);
    QVERIFY(shown(f, "qvvind"));
    QVERIFY(shown(f, "vandr"));
    QVERIFY(shown(f, "uts"));
  }

  void mainWindowFitsA1100By750Screen() {
    // Opened on a screen smaller than its default size, the window is cut
    // to the screen.
    Window t;
    QVERIFY(t.w.screen()->availableGeometry().contains(t.w.geometry()));
    // On 1100 x 750 less a window frame the form scrolls up and down but
    // never sideways, whatever frames the market and roof type show and
    // with twenty spans.
    t.w.resize(1084, 702);
    t.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.w));
    QScrollArea* scroll = nullptr;
    for (QWidget* p = t.w.form(); p && !scroll; p = p->parentWidget())
      scroll = qobject_cast<QScrollArea*>(p);
    QVERIFY(scroll);
    CaseFile c = roof_case();
    c.in.nfack = 20;
    for (int wall = 0; wall <= 1; ++wall)
      for (int market = 1; market <= 5; ++market)
        for (int taktyp = 0; taktyp <= 2; ++taktyp) {
          c.in.vagg = wall;
          c.in.marknadskod = market;
          c.in.taktyp = taktyp;
          t.w.form()->setCase(c);
          QApplication::processEvents();
          const QString what =
              QString("wall %1 market %2 roof type %3").arg(wall).arg(market).arg(taktyp);
          QVERIFY2(scroll->horizontalScrollBar()->maximum() == 0, qPrintable(what));
          QVERIFY2(t.w.form()->width() <= scroll->viewport()->width(), qPrintable(what));
        }
  }

  void caseShowsItsValuesInTheControls() {
    CaseFile c = roof_case();
    c.in.spv(2) = 4.125f;
    c.in.upplbredd(1) = 0.12f;
    c.in.snolast = 1.5f;
    c.in.kvottak = 10000.0f;
    c.in.taktyp = 2;
    InputForm f;
    f.setCase(c);
    QCOMPARE(f.findChild<QLineEdit*>("spv2")->text(), QString("4.125"));
    QCOMPARE(f.findChild<QLineEdit*>("upl0")->text(), QString("0.12"));
    QCOMPARE(f.findChild<OptionFrame*>("sno")->checked(), 2);
    QCOMPARE(f.findChild<OptionFrame*>("lasbalk")->checked(), 2);
  }

  void supportWidthAbove200mmIsRefused() {
    InputForm f;
    f.setCase(roof_case());
    QVERIFY(f.validate().isEmpty());
    type(f, "upl2", "0,21");
    QCOMPARE(f.validate(), QString("Upplag stöd nr 3: Max tillåten upplagsbredd är 200 mm"));
    QCOMPARE(f.faultControl(), QString("upl2"));
    type(f, "upl2", "0.20");
    QVERIFY(f.validate().isEmpty());
    f.findChild<QLineEdit*>("spv1")->clear();
    QCOMPARE(f.validate(),
             QString("Värde saknas i fältet Spännvidd fack 1.\nTillåtet: 0.100 till 30.000."));
  }

  void fileNameRule() {
    for (const char* ok : {"TAK1", "ABCDEFGH", "a-b_c"}) QVERIFY2(file_name_allowed(ok), ok);
    for (const char* bad :
         {"", "ABCDEFGHI", "A B", "A,B", "A.B", "HÅL", "HÄL", "HÖL", "HåL", "a/b"})
      QVERIFY2(!file_name_allowed(QString::fromUtf8(bad)), bad);
    Window t;
    auto dir = scratch();
    QVERIFY(!t.w.saveTo(dir->filePath("NIOTECKEN.IND")));
    QCOMPARE(t.messages.last(), QString(kFileNameRule));
    QVERIFY(!QFile::exists(dir->filePath("NIOTECKEN.IND")));
    QVERIFY(t.w.saveTo(dir->filePath("NIO.IND")));
  }

  void jointFormPacksTheExtents() {
    QCOMPARE(pack_joint_extent(15, 8), 15.08f);
    QCOMPARE(unpack_joint_extent(15.08f), (std::pair<int, int>{15, 8}));
    QCOMPARE(unpack_joint_extent(10.1f), (std::pair<int, int>{10, 10}));
    QCOMPARE(unpack_joint_extent(5.99f), (std::pair<int, int>{5, 99}));
    InputCase in;
    blkdat(in);
    JointForm j(in, 2);
    QCOMPARE(j.windowTitle(), QString("Skarvtyp"));
    j.findChild<QAbstractButton*>("skarvtyp3")->click();
    j.findChild<QSpinBox*>("prcv3")->setValue(12);
    j.findChild<QSpinBox*>("prch3")->setValue(20);
    j.accept();
    QCOMPARE(in.skarvtyp(2), 3);
    QCOMPARE(in.skarvprc(2), 20.12f);
  }

  void lineLoadForm() {
    InputCase in;
    blkdat(in);
    in.nfack = 3;
    LineLoadForm l(in);
    auto* n = l.findChild<QSpinBox*>("nllast");
    QCOMPARE(n->maximum(), 5);
    n->setValue(2);
    l.findChild<QSpinBox*>("llfnr2")->setValue(3);
    l.findChild<NumberEdit*>("avst2")->setText("2,5");
    l.findChild<NumberEdit*>("brollast2")->setText("3");
    l.findChild<NumberEdit*>("lllast2")->setText("1");
    l.findChild<NumberEdit*>("brullast2")->setText("2");
    l.accept();
    QCOMPARE(in.nlinj, 2);
    QCOMPARE(in.linjfack(1), 1);
    QCOMPARE(in.linjfack(2), 3);
    QCOMPARE(in.linjlast(2).linjavst, 2.5f);
    QCOMPARE(in.linjlast(2).brottned, 3.0f);
    QCOMPARE(in.linjlast(2).brottupp, 1.0f);
    QCOMPARE(in.linjlast(2).bruksned, 2.0f);
    // A load beyond its span is refused.
    LineLoadForm m(in);
    m.findChild<NumberEdit*>("avst1")->setText("6.5");
    QVERIFY(m.validate().contains("spännvidden"));
  }

  // The pocket's start is accepted up to the span's overflow slot, exactly
  // as far as the engine reads it: in a span of 4 m, 4.15 m (slot 41) is
  // taken, 4.25 m (slot 42) refused with the form left open.
  void snowPocketStartFollowsTheEnginesRule() {
    for (const auto& [distance, inside] : {std::pair{"4.15", true}, std::pair{"4.25", false}}) {
      InputForm f;
      CaseFile c = roof_case();
      c.in.nfack = 2;
      c.in.spv(2) = 4.0f;
      f.setCase(c);
      SnowPocketForm s(f);
      s.findChild<QSpinBox*>("nextra")->setValue(2);
      s.findChild<NumberEdit*>("fickform")->setText("1.6");
      s.findChild<NumberEdit*>("dextra")->setText(distance);
      CaseFile probe = f.currentCase();
      probe.in.fickfack = 2;
      probe.in.fickform = 1.6f;
      probe.in.fickavst = *s.findChild<NumberEdit*>("dextra")->value();
      QCOMPARE(rule_fault(CaseRule::pocket_distance, probe).what.empty(), inside);
      bool warned = false;
      if (!inside)
        QTimer::singleShot(0, [&warned] {
          if (QWidget* box = QApplication::activeModalWidget()) {
            warned = true;
            box->close();
          }
        });
      s.accept();
      QCOMPARE(s.QDialog::result() == QDialog::Accepted, inside);
      QCOMPARE(warned, !inside);
      QCOMPARE(f.currentCase().in.fickfack, inside ? 2 : 0);
    }
  }

  void calculatorsSendTheirResultsIntoTheCase() {
    InputForm f;
    f.setCase(roof_case());
    WindForm w(f);
    w.send();  // the defaults: 22 m/s, 6 m, terrain II -> 0.616 kN/m2
    QCOMPARE(f.currentCase().in.vind(1), 0.616f);
    CaseFile wall = roof_case();
    wall.in.vagg = 1;
    f.setCase(wall);
    WindForm ww(f);
    ww.send();
    QCOMPARE(f.currentCase().in.vind(1), 0.616f);

    // Drift with the defaults and sk = 2.0: mu2 = 3.0 over ls = 6 m.
    CaseFile c = roof_case();
    c.in.snolast = 2.0f;
    f.setCase(c);
    SnowPocketForm s(f);
    s.calculate();
    s.sendRight();
    s.accept();
    CaseFile cf = f.currentCase();
    QCOMPARE(cf.in.trihform, 3.0f);
    QCOMPARE(cf.in.trihlgd, 6.0f);
    QCOMPARE(cf.in.trivlgd, 0.0f);
    // Across the sheets: sheet 2 of 2 starts at ls/2, mu = 3.0 - 2.2/2 = 1.9.
    SnowPocketForm t(f);
    t.findChild<QAbstractButton*>("tvars")->click();
    t.findChild<QSpinBox*>("stegnr")->setValue(2);
    t.calculate();
    QVERIFY(std::fabs(t.acrossShape() - 1.9) < 1e-6);
    t.sendAcross();
    QCOMPARE(f.currentCase().in.snoform, 0.8f);  // not before "OK"
    t.accept();
    QCOMPARE(f.currentCase().in.snoform, 1.9f);
  }

  void snowCalculatorShowsNothingBeforeItsCalculationAndAvbrytSendsNothing() {
    InputForm f;
    CaseFile c = roof_case();
    c.in.snolast = 2.0f;
    c.in.snoform = 0.8f;
    f.setCase(c);
    QSignalSpy changed(&f, &InputForm::changed);
    SnowPocketForm s(f);
    for (const char* name : {"tlastv", "lfickav", "tlasth", "lfickah"})
      QVERIFY2(s.findChild<NumberEdit*>(name)->text().isEmpty(), name);
    for (const char* name : {"skicka_vanster", "skicka_hoger", "skicka_tvars"})
      QVERIFY2(!s.findChild<QAbstractButton*>(name)->isEnabled(), name);
    s.findChild<QAbstractButton*>("berakna")->click();
    QCOMPARE(s.findChild<NumberEdit*>("tlastv")->text(), QString("3.00"));
    s.findChild<QAbstractButton*>("tvars")->click();
    s.findChild<QAbstractButton*>("skicka_tvars")->click();
    s.findChild<QAbstractButton*>("skicka_vanster")->click();
    QVERIFY(s.pendingShape().has_value());
    s.reject();  // "Avbryt"
    const CaseFile after = f.currentCase();
    QCOMPARE(after.in.snoform, 0.8f);
    QCOMPARE(after.in.trivform, c.in.trivform);
    QCOMPARE(after.in.trivlgd, c.in.trivlgd);
    QCOMPARE(changed.count(), 0);
  }

  void lockedThicknessMustBeOneOfTheProfilesOwn() {
    const auto profiles = read_profiles(program_dir());
    QVERIFY(!profiles.empty());
    const ProfileChoice& p = profiles.front();
    QVERIFY(p.thicknesses.size() >= 2);
    InputForm f;
    f.setProfiles(profiles);
    CaseFile c = roof_case();
    c.in.pnamn(1).set(p.designation.toStdString());
    c.locked = 1;
    c.in.nfack = 2;
    c.in.tjlk(1) = p.thicknesses[0];
    c.in.tjlk(2) = p.thicknesses[1];
    f.setCase(c);
    QCOMPARE(f.profileThicknesses(), p.thicknesses);
    QVERIFY(f.lockedThicknessFault().isEmpty());
    // Between two of the profile's thicknesses: refused, naming the span
    // and the thicknesses there are.
    type(f, "tjl2", QString::number(p.thicknesses[0] + 0.01f, 'f', 2));
    int span = 0;
    const QString why = f.lockedThicknessFault(&span);
    QCOMPARE(span, 2);
    QVERIFY2(why.contains("fack 2") && why.contains(p.designation) &&
                 why.contains(format_number(p.thicknesses[1], 2)),
             qPrintable(why));
    // Unlocked, the engine chooses and nothing is refused.
    f.findChild<QCheckBox*>("last_tjocklek")->setChecked(false);
    QVERIFY(f.lockedThicknessFault().isEmpty());
  }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
