// The editor's second language: every Swedish text marked for translation
// has a finished English one, the input form shows no Swedish word in
// English, the choice is remembered, and Qt's own dialogs speak Swedish
// whatever the system's locale is.
#include "language.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <set>

#include "editor_test_support.h"
#include "help.h"
#include "input_form.h"
#include "run_result.h"

using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

const QString kTs = QStringLiteral(KVOP_SOURCE_DIR "/editor/translations/kvopw_en.ts");

struct Message {
  QString source, translation, type;
};

std::vector<Message> ts_messages() {
  std::vector<Message> list;
  QFile f(kTs);
  if (!f.open(QIODevice::ReadOnly)) return list;
  QXmlStreamReader xml(&f);
  Message m;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("source")) {
      m = {};
      m.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      m.type = xml.attributes().value("type").toString();
      m.translation = xml.readElementText();
      list.push_back(m);
    }
  }
  return list;
}

// The C++ string literal `lit` (one or more adjacent quoted pieces) as text.
QString unquote(const QString& lit) {
  static const QRegularExpression piece(R"re("((?:[^"\\]|\\.)*)")re");
  QString out;
  for (auto it = piece.globalMatch(lit); it.hasNext();) {
    const QString p = it.next().captured(1);
    for (qsizetype i = 0; i < p.size(); ++i) {
      if (p[i] == '\\' && i + 1 < p.size()) {
        ++i;
        out += p[i] == 'n' ? QChar('\n') : p[i];
      } else {
        out += p[i];
      }
    }
  }
  return out;
}

// Every text the editor's sources mark for translation.
QStringList marked_texts() {
  static const QRegularExpression marked(
      R"re((?:\btr\(|translate\(\s*"[^"]*"\s*,|QT_TRANSLATE_NOOP\(\s*"[^"]*"\s*,)\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re");
  QStringList texts;
  QDirIterator it(QStringLiteral(KVOP_SOURCE_DIR "/editor"), {"*.cpp", "*.h"}, QDir::Files);
  while (it.hasNext()) {
    QFile f(it.next());
    if (!f.open(QIODevice::ReadOnly)) continue;
    const QString code = QString::fromUtf8(f.readAll());
    for (auto m = marked.globalMatch(code); m.hasNext();) texts << unquote(m.next().captured(1));
  }
  return texts;
}

bool swedish_letters(const QString& s) {
  static const QRegularExpression re(QString::fromUtf8("[åäöÅÄÖ]"));
  return s.contains(re);
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }
  void cleanup() { install_translations(program_dir(), Language::swedish); }

  void everySwedishTextHasAnEnglishOne() {
    const auto messages = ts_messages();
    QVERIFY(messages.size() > 100);
    std::set<QString> sources;
    for (const Message& m : messages) {
      QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(m.source));
      QVERIFY2(m.type.isEmpty(), qPrintable(m.type + ": " + m.source));
      sources.insert(m.source);
    }
    // The translation file is up to date with the sources.
    const QStringList marked = marked_texts();
    QVERIFY(marked.size() > 100);
    for (const QString& t : marked)
      QVERIFY2(sources.count(t) == 1, qPrintable("not in kvopw_en.ts: " + t));
  }

  void inputFormInEnglish() {
    QVERIFY(install_translations(program_dir(), Language::english));
    InputForm f;
    QStringList seen;
    for (const QLabel* l : f.findChildren<QLabel*>()) seen << l->text();
    for (const QGroupBox* g : f.findChildren<QGroupBox*>()) seen << g->title();
    for (const QAbstractButton* b : f.findChildren<QAbstractButton*>()) seen << b->text();
    for (const QWidget* w : f.findChildren<QWidget*>()) seen << w->toolTip();
    QVERIFY(seen.contains("Geometry"));
    QVERIFY(seen.contains("Roof wind load"));
    for (const QString& s : seen) QVERIFY2(!swedish_letters(s), qPrintable(s));
    // Back in Swedish, the texts are the source texts.
    QVERIFY(install_translations(program_dir(), Language::swedish));
    InputForm sv;
    QStringList titles;
    for (const QGroupBox* g : sv.findChildren<QGroupBox*>()) titles << g->title();
    QVERIFY(titles.contains("Geometri"));
  }

  // The help and the result window's verdict follow the installed language;
  // the help keeps every page under the same anchor in both.
  void helpAndVerdictInEnglish() {
    static const QRegularExpression anchors(R"re(<a name="([a-z]+)">)re");
    auto pages = [](const QString& html) {
      QStringList names;
      for (auto m = anchors.globalMatch(html); m.hasNext();) names << m.next().captured(1);
      return names;
    };
    RunVerdict v;
    v.readable = v.checked = v.passes = true;
    v.profile = "R820";
    v.maxRatio = 0.99;
    v.maxLoadCase = 1;
    v.sheets << "x";
    const QString sv = help_html();
    QVERIFY(sv.contains("Snöficka"));
    QVERIFY(verdict_lines(v).front().startsWith("Profilen R820 klarar sig"));
    QVERIFY(install_translations(program_dir(), Language::english));
    const QString en = help_html();
    QVERIFY(en.contains(">Snow pocket<"));
    QCOMPARE(pages(en), pages(sv));
    QVERIFY(!swedish_letters(en.section("<h2>", 1, 1)));
    const QStringList lines = verdict_lines(v);
    QVERIFY2(lines.front().startsWith("Profile R820 passes"), qPrintable(lines.front()));
    QCOMPARE(lines.at(1), QString("Chosen thickness: x"));
  }

  void languageChoiceRemembered() {
    QSettings().remove("ui/language");
    QCOMPARE(stored_language(), Language::swedish);
    store_language(Language::english);
    QCOMPARE(stored_language(), Language::english);
    store_language(Language::swedish);
    QCOMPARE(stored_language(), Language::swedish);
  }

  void languageMenuStoresTheChoiceForTheNextStart() {
    store_language(Language::swedish);
    QMenuBar bar;
    QStringList told;
    QMenu* settings = add_settings_menu(&bar, [&](const QString& text) { told << text; });
    QMenu* menu = settings->actions().front()->menu();
    QVERIFY(menu);
    const QList<QAction*> choices = menu->actions();
    QCOMPARE(choices.size(), 2);
    QCOMPARE(choices.at(0)->text(), QString("&Svenska"));
    QCOMPARE(choices.at(1)->text(), QString("&English"));
    QVERIFY(choices.at(0)->isChecked() && !choices.at(1)->isChecked());
    // The language in use: nothing to store, nothing to tell.
    choices.at(0)->trigger();
    QVERIFY(told.isEmpty());
    choices.at(1)->trigger();
    QCOMPARE(stored_language(), Language::english);
    QCOMPARE(told.size(), 1);
    QVERIFY(choices.at(1)->isChecked() && !choices.at(0)->isChecked());
    store_language(Language::swedish);
  }

  void qtDialogsSwedishUnderAnotherSystemLocale() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(install_translations(program_dir(), Language::swedish));
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QString("Skriv ut"));
    // What Qt's catalogue lacks for the print dialog of this Qt version.
    QCOMPARE(QCoreApplication::translate("QPrintWidget", "&Name:"), QString("&Namn:"));
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print to File (PDF)"),
             QString("Skriv till fil (PDF)"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Avbryt"));
    QCOMPARE(QLocale().language(), QLocale::Swedish);
    QVERIFY(install_translations(program_dir(), Language::english));
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QString("Print"));
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
