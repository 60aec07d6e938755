// The calculation document: its drawing agrees with the run's own numbers
// (the golden accounts and reports), and kvoprapport writes a PDF whose
// pages, texts and fonts a checker can rely on - and none for a failing case.
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>

#include "calc_document.h"
#include "case_document.h"
#include "editor_test_support.h"
#include "report_print.h"

using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

CalcRecord golden(const QString& name) {
  const QString dir = QStringLiteral(KVOP_SOURCE_DIR "/tests/golden/");
  return read_calc_record(read_file(dir + name + ".json"),
                          decode_report(read_file(dir + name + ".RED")));
}

// Runs a program of the build; exit status and its standard error.
int run(const QString& program, const QStringList& args, QString* err = nullptr) {
  QProcess p;
  p.start(program_dir() + "/" + program, args);
  if (!p.waitForFinished(60000)) return -1;
  if (err) *err = QString::fromLocal8Bit(p.readAllStandardError());
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString tool_output(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class DocumentTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { isolate_settings(); }

  // The diagram at every support is the support moment, the labelled extreme
  // of every span the governing field moment, the bars the ratios and the
  // sheets' thicknesses the chosen ones - for every golden run.
  void drawingAgreesWithTheRunsNumbers_data() {
    QTest::addColumn<QString>("name");
    for (const char* n : {"TAK1", "VAGG1", "DK1", "FI1", "NO1", "PL1"}) QTest::newRow(n) << n;
  }
  void drawingAgreesWithTheRunsNumbers() {
    QFETCH(QString, name);
    const CalcRecord r = golden(name);
    QVERIFY(r.readable);
    QVERIFY(r.checked);
    for (int lc : r.loadCases()) {
      const std::vector<QPointF> m = moment_line(r, lc);
      QCOMPARE(m.front().y(), 0.0);
      QCOMPARE(m.back().y(), 0.0);
      for (int i = 1; i <= r.n + 1; ++i) {
        const double x = r.spanStart(i);
        const auto hit = std::find_if(m.begin(), m.end(),
                                      [&](const QPointF& q) { return std::abs(q.x() - x) < 1e-9; });
        QVERIFY2(hit != m.end(), qPrintable(QString("support %1").arg(i)));
        QCOMPARE(hit->y(), r.mstod[lc - 1][i - 1]);
      }
      for (int j = 1; j <= r.n; ++j) QCOMPARE(field_extreme(r, lc, j), r.mfalt[lc - 1][j - 1]);
      const std::vector<ChartBar> bars = chart_bars(r, lc);
      for (const ChartBar& b : bars) {
        const int k = b.label.mid(1).toInt() - 1;
        const auto& src = b.label[0] == 'S' ? r.KVOTS : b.label[0] == 'F' ? r.KVOTF : r.KVOTD;
        QCOMPARE(b.ratio, src[lc - 1][k]);
      }
    }
    QVERIFY(!r.sheets.empty());
    for (const SheetPiece& s : r.sheets)
      for (int j = s.first; j <= s.last; ++j) QCOMPARE(s.t, r.plattj[j - 1]);
    // Every report page is one page of the document, after the drawings.
    const CalcDocument doc(r);
    const int drawn = 2 + static_cast<int>(r.loadCases().size()) + 1;
    QCOMPARE(doc.pageCount(), drawn + static_cast<int>(r.reportPages.size()));
  }

  // A sheet of two spans built by hand: the moment line runs from free end
  // to free end in order along the sheet, a joint section standing on a
  // support (xi 0 or 1) gives way to the support moment, and the bars follow
  // the report's tables: a roof's serviceability case in the
  // partial-coefficient method shows deflection only, a wall shows all three
  // in its two load cases.
  void handBuiltSheet() {
    CalcRecord r;
    r.n = 2;
    r.konsv = 0.5;
    r.konsh = 0.25;
    r.spv = {4.0, 6.0};
    r.snittpos = {{0.25, 0.35, 0.4, 0.0, 0.9, 0.45, 0.5, 0.55, 0.6, 0.65, 0.75},
                  {0.25, 0.35, 0.4, 0.1, 1.0, 0.45, 0.5, 0.55, 0.6, 0.65, 0.75}};
    r.snittmom[0] = {{1, 2, 3, 99, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 99, 5, 6, 7, 8, 9, 10}};
    r.mstod[0] = {-1, -20, -2};
    const std::vector<QPointF> m = moment_line(r, 1);
    QCOMPARE(m.size(), std::size_t(2 + 4 + 10 + 10));  // ends, each span its supports, sections
    for (std::size_t i = 1; i < m.size(); ++i) QVERIFY(m[i].x() >= m[i - 1].x());
    QCOMPARE(m.back().x(), 10.75);
    for (const QPointF& q : m) QVERIFY(q.y() != 99);
    QCOMPARE(m[1], QPointF(0.5, -1));
    QCOMPARE(m[m.size() - 2], QPointF(10.5, -2));
    QCOMPARE(field_extreme(r, 1, 1), 10.0);
    // No deflection of the load case: no line.
    QVERIFY(deflection_line(r, 1).empty());

    r.sakkl = 2;
    for (const ChartBar& b : chart_bars(r, 2)) QCOMPARE(b.label[0], QChar('D'));
    QCOMPARE(chart_bars(r, 1).size(), std::size_t(3 + 2));  // S1 F1 S2 F2 S3
    r.sakkl = 0;
    QCOMPARE(chart_bars(r, 2).size(), std::size_t(3 + 2 + 2));
    r.wall = true;
    QCOMPARE(r.loadCases(), (std::vector<int>{1, 3}));
    QCOMPARE(chart_bars(r, 3).size(), std::size_t(3 + 2 + 2));
  }

  // The deflection line passes through every span's deflection where the
  // span's governing deflection lies, and is 0 over the supports.
  void deflectionLineIsTheSpansDeflection() {
    const CalcRecord r = golden("TAK1");
    // The report's largest ratio: 99 % over support 2 in load case 1.
    QCOMPARE(r.largest.where, QString("STÖD 2"));
    QCOMPARE(r.largest.lc, 1);
    QVERIFY(r.passes());
    const std::vector<QPointF> d = deflection_line(r, 2);
    QVERIFY(!d.empty());
    for (int j = 1; j <= r.n; ++j) {
      double largest = 0;
      for (const QPointF& q : d)
        if (q.x() > r.spanStart(j) && q.x() < r.spanStart(j + 1))
          largest = std::max(largest, q.y());
      QVERIFY(std::abs(largest - 1000.0 * r.nedbfalt[1][j - 1]) < 1e-6 * (1 + largest));
    }
  }

  // The PDF of a case from the command line: summary, sheeting, a page per
  // load case, the chart and the report's pages, with the texts a checker
  // looks for and every font embedded.
  void pdfFromTheCommandLine() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    QString err;
    QCOMPARE(run("kvoprapport", {dir->filePath("TAK1.IND"), "-o", dir->filePath("ut.pdf")}, &err),
             0);
    QVERIFY(QFile::exists(dir->filePath("ut.pdf")));
    // Only the PDF comes into the case's folder.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 2);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils missing");
    const QString info = tool_output("pdfinfo", {dir->filePath("ut.pdf")});
    const CalcRecord r = golden("TAK1");
    QVERIFY(info.contains(QRegularExpression(
        QString("Pages:\\s+%1\\n").arg(7 + static_cast<int>(r.reportPages.size())))));
    // Text extraction keeps the words but not every run of blanks.
    const auto words = [](const QString& s) { return s.simplified(); };
    const QString text = words(tool_output("pdftotext", {"-layout", dir->filePath("ut.pdf"), "-"}));
    QVERIFY(text.contains(r.rubrik));
    QVERIFY(text.contains("PROFILEN R820 KLARAR SIG"));
    QVERIFY(text.contains("Sida 1 av"));
    QVERIFY(text.contains("Beräknad av"));
    for (int lc : r.loadCases())
      for (const ChartBar& b : chart_bars(r, lc))
        QVERIFY2(text.contains(QString::number(std::trunc(100 * b.ratio + 0.5))),
                 qPrintable(b.label));
    // The report's lines in their order.
    qsizetype from = 0;
    for (const QStringList& page : r.reportPages)
      for (const QString& line : page) {
        const QString t = words(line);
        if (t.isEmpty() || t.startsWith("DATUM") || t.startsWith("TID")) continue;
        const qsizetype at = text.indexOf(t, from);
        QVERIFY2(at >= 0, qPrintable(t));
        from = at;
      }
    const QString fonts = tool_output("pdffonts", {dir->filePath("ut.pdf")});
    const QStringList rows = fonts.split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!rows.isEmpty());
    for (const QString& row : rows) QVERIFY2(row.contains(" yes "), qPrintable(row));
  }

  // Accounts cut short, with missing parts or out-of-range counts give a
  // document that draws every page without reading past its arrays: what
  // is there is drawn, the rest is left out.
  void strangeAccountsDrawWithoutFault() {
    const QString dir = QStringLiteral(KVOP_SOURCE_DIR "/tests/golden/");
    const QByteArray good = read_file(dir + "TAK20.json").isEmpty() ? read_file(dir + "NO1.json")
                                                                    : read_file(dir + "TAK20.json");
    const QString report = decode_report(read_file(dir + "NO1.RED"));
    QJsonObject a = QJsonDocument::fromJson(good).object();
    std::vector<QByteArray> accounts = {QByteArray(), "{", "[]", good.left(good.size() / 2)};
    QJsonObject more = a;  // more spans than the tables hold
    QJsonObject c = more["case"].toObject();
    c["nfack"] = 20;
    more["case"] = c;
    accounts.push_back(QJsonDocument(more).toJson());
    QJsonObject bare = a;  // no analysis tables, no checks
    bare.remove("checks");
    QJsonObject an = bare["analysis"].toObject();
    an.remove("snittmom");
    an.remove("mstod");
    an.remove("belastning");
    bare["analysis"] = an;
    accounts.push_back(QJsonDocument(bare).toJson());
    for (const QByteArray& json : accounts) {
      const CalcDocument doc(read_calc_record(json, report));
      QVERIFY(doc.pageCount() >= 1);
      QImage page(420, 594, QImage::Format_RGB32);
      for (int i = 0; i < doc.pageCount(); ++i) {
        QPainter p(&page);
        p.scale(page.width() / kPageWidth, page.width() / kPageWidth);
        doc.drawPage(p, i);
      }
    }
    // Without an account only the summary and the report's pages remain.
    const CalcDocument none(read_calc_record({}, report));
    QCOMPARE(none.drawnPages(), 1);
    QCOMPARE(none.pageCount(), 1 + static_cast<int>(report_pages(report).size()));
  }

  // A PDF that cannot be written leaves no file and says why.
  void unwritablePdfIsAFailure() {
    auto dir = scratch();
    QVERIFY(QFile::copy(example("TAK1.IND"), dir->filePath("TAK1.IND")));
    QString err;
    const QString target = dir->filePath("saknas/ut.pdf");  // no such folder
    QCOMPARE(run("kvoprapport", {dir->filePath("TAK1.IND"), "-o", target}, &err), 3);
    QVERIFY(err.contains("ut.pdf"));
    QVERIFY(!QFile::exists(target));
  }

  // A case the engine cannot dimension gives the engine's message and exit
  // status, and no PDF; an unreadable case the program's own.
  void failingCaseGivesNoPdf() {
    auto dir = scratch();
    kvop::CaseFile cf;
    QString message;
    QVERIFY(load_case(example("TAK1.IND"), cf, message));
    cf.in.pnamn(1).set("NOSUCH");
    cf.in.pnamn(2).set("NOSUCH");
    QVERIFY(save_case(dir->filePath("FEL.IND"), cf, message));
    QString err;
    QCOMPARE(run("kvoprapport", {dir->filePath("FEL.IND")}, &err), 1);
    QVERIFY(!err.trimmed().isEmpty());
    QVERIFY(!QFile::exists(dir->filePath("FEL.pdf")));

    QVERIFY(write_file(dir->filePath("TOM.IND"), "x\n"));
    QCOMPARE(run("kvoprapport", {dir->filePath("TOM.IND")}), 2);
    QCOMPARE(run("kvoprapport", {}), 64);
    QVERIFY(!QFile::exists(dir->filePath("TOM.pdf")));
  }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
