// The main window's pictures and keys: the market flags and the supports of
// the layout picture by keyboard, the menus' mnemonics, labels that never
// overlap at 20 spans, and the loads drawn to scale above the sheet.
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include "driver/inkvop.h"
#include "editor_test_support.h"
#include "input_form.h"
#include "language.h"
#include "pictures.h"

using namespace kvop;
using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

InputCase roof(int spans) {
  InputCase in;
  blkdat(in);
  in.nfack = spans;
  for (int i = 1; i <= spans; ++i) in.spv(i) = 6.0f;
  in.konsv = 0.5f;
  in.konsh = 0.5f;
  return in;
}

// The top of the snow drawn in the picture's column x: its highest pixel in
// the snow's fill colour, measured from the sheet (0 = no snow there).
int snow_height(const QImage& img, int x, int sheet_y) {
  for (int y = 0; y < sheet_y; ++y)
    if (img.pixelColor(x, y) == QColor(200, 220, 245)) return sheet_y - y;
  return 0;
}

}  // namespace

class PictureTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }
  // A test that failed in English leaves the next one in Swedish.
  void cleanup() { install_translations(program_dir(), Language::swedish); }

  void flagsAndSupportsAnswerTheKeyboard() {
    FlagBar flags;
    QVERIFY(flags.focusPolicy() & Qt::TabFocus);
    QSignalSpy chosen(&flags, &FlagBar::marketChosen);
    QTest::keyClick(&flags, Qt::Key_Right);
    QTest::keyClick(&flags, Qt::Key_Right);
    QCOMPARE(flags.market(), 3);
    QTest::keyClick(&flags, Qt::Key_End);
    QTest::keyClick(&flags, Qt::Key_Right);  // no sixth market
    QCOMPARE(flags.market(), 5);
    QCOMPARE(chosen.count(), 3);
    QCOMPARE(chosen.last().at(0).toInt(), 5);

    LayoutPicture pic;
    pic.resize(700, 150);
    pic.setCase(roof(3));
    QVERIFY(pic.focusPolicy() & Qt::TabFocus);
    QSignalSpy clicked(&pic, &LayoutPicture::supportClicked);
    QTest::keyClick(&pic, Qt::Key_Right);
    QTest::keyClick(&pic, Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.last().at(0).toInt(), 2);
    for (int k = 0; k < 10; ++k) QTest::keyClick(&pic, Qt::Key_Right);
    QCOMPARE(pic.currentSupport(), 4);  // the last of three spans
    // Fewer spans pull the chosen support back onto the sheet.
    pic.setCase(roof(1));
    QCOMPARE(pic.currentSupport(), 2);
  }

  void keyboardReachesTheMarketAndTheJointFormInTheWindow() {
    Window t;
    t.w.flags()->setFocus();
    QTest::keyClick(t.w.flags(), Qt::Key_Right);
    QCOMPARE(t.w.form()->market(), 2);
    QCOMPARE(t.w.form()->currentCase().in.marknadskod, 2);
    QVERIFY(t.w.modified());
  }

  void everyMenuHasAMnemonicOfItsOwn() {
    // In either language: a translation may bring two items onto one key.
    for (const Language language : {Language::swedish, Language::english}) {
      QVERIFY(install_translations(program_dir(), language));
      Window t;
      QSet<QChar> top;
      QList<QMenu*> menus;
      for (QAction* a : t.w.menuBar()->actions()) {
        const QString text = a->text();
        const qsizetype amp = text.indexOf('&');
        QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
        const QChar key = text.at(amp + 1).toLower();
        QVERIFY2(!top.contains(key), qPrintable(text));
        top.insert(key);
        if (QMenu* m = a->menu()) menus << m;
      }
      // Each menu and submenu: every item has a key, none shared.
      while (!menus.isEmpty()) {
        QMenu* m = menus.takeFirst();
        QSet<QChar> inner;
        for (QAction* i : m->actions()) {
          if (i->isSeparator()) continue;
          const qsizetype k = i->text().indexOf('&');
          QVERIFY2(k >= 0 && k + 1 < i->text().size(), qPrintable(i->text()));
          const QChar c = i->text().at(k + 1).toLower();
          QVERIFY2(!inner.contains(c), qPrintable(m->title() + ": " + i->text()));
          inner.insert(c);
          if (i->menu()) menus << i->menu();
        }
      }
      if (language == Language::swedish) {
        QVERIFY(top.contains(QChar('a')));  // Alt+A: Arkiv
      } else {
        QVERIFY(top.contains(QChar('f')));  // Alt+F: File
      }
    }
  }

  void labelsNeverOverlapAndSpansAreNamedWhereThereIsRoom() {
    for (int width : {300, 700, 1200}) {
      LayoutPicture pic;
      pic.resize(width, 150);
      InputCase in = roof(20);
      for (int j = 2; j <= 20; ++j) in.skarvtyp(j) = j % 6;
      pic.setCase(in);
      const auto labels = pic.labels();
      for (std::size_t a = 0; a < labels.size(); ++a)
        for (std::size_t b = a + 1; b < labels.size(); ++b)
          QVERIFY2(!labels[a].rect.intersects(labels[b].rect),
                   qPrintable(QString("%1: %2 over %3").arg(width).arg(labels[a].text, labels[b].text)));
      if (width == 1200) {
        // Wide enough: all 21 support numbers and joint names.
        int numbers = 0, joints = 0;
        for (const auto& l : labels) {
          bool ok = false;
          l.text.toInt(&ok);
          if (ok) ++numbers;
          if (l.text == "OML+NIT" || l.text == "DUB OML" || l.text == "KONT" || l.text == "LED" ||
              l.text == "OML" || l.text == "GERBER")
            ++joints;
        }
        QCOMPARE(numbers, 21);
        QCOMPARE(joints, 21);
      }
    }
  }

  void loadsAreDrawnToScaleAboveTheirSpans() {
    LayoutPicture pic;
    pic.resize(800, 150);
    InputCase in = roof(4);
    in.snoform = 0.8f;
    in.fickfack = 3;  // the pocket in span 3, shape factor 2.4 = three times the roof's
    in.fickform = 2.4f;
    in.fickavst = 2.0f;
    in.ficklgd = 1.0f;
    in.fickmaxlgd = 2.0f;
    pic.setCase(in);
    const QImage img = pic.grab().toImage();
    const int sheet = pic.markers().front().top() - 3;
    const auto ms = pic.markers();
    const int mid1 = static_cast<int>((ms[0].center().x() + ms[1].center().x()) / 2);
    // The pocket's maximum: 3 m into span 3.
    const double perMetre = (ms[3].center().x() - ms[2].center().x()) / 6.0;
    const int pocket = static_cast<int>(ms[2].center().x() + 3.0 * perMetre);
    const int plain = snow_height(img, mid1, sheet);
    const int high = snow_height(img, pocket, sheet);
    QVERIFY2(plain > 0 && high > 0, qPrintable(QString("%1 %2").arg(plain).arg(high)));
    const double label = pic.fontMetrics().height() + 4;
    QVERIFY2(std::abs((high - label) / (plain - label) - 3.0) < 0.3,
             qPrintable(QString("%1 %2").arg(plain).arg(high)));
    // A wall carries no snow.
    in.vagg = 1;
    pic.setCase(in);
    QCOMPARE(snow_height(pic.grab().toImage(), pocket, sheet), 0);
  }
};

QTEST_MAIN(PictureTest)
#include "picture_test.moc"
