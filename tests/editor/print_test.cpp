// Printing a report: pages break at the lines that hold only "^", which are
// not printed; consecutive marks and a mark at the end start no empty page;
// a page longer than the sheet goes on to the next sheet.  Checked on the
// page split and on the pages of a PDF file.
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

#include "editor_test_support.h"
#include "report_print.h"
#include "report_text.h"

using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

int pdf_pages(const QString& path) {
  const QByteArray pdf = read_file(path);
  // Page objects, not the page tree ("/Type /Pages").
  static const QRegularExpression page(R"(/Type\s*/Page[^s])");
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

int print_pdf(const QString& path, const QString& text, int point_size = 0,
              QPageSize::PageSizeId size = QPageSize::A4) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(size));
  return print_report(printer, text, report_font({}, point_size), "TEST.RED");
}

// A report as the engine writes it with utskr = 1: pages of 68 lines, each
// ended by a page mark, with lines of `width` characters.
QString paged_report(int pages, int width = 80) {
  QString text =
      "                                                        INDATAFIL : TEST\n"
      "                                                        DATUM : 2026.12.09\n"
      "                                                        TID   :   14:05:31\n"
      "\n\n\n\n\n"
      "    INDATA\n"
      "    ******\n"
      "    HALL B - TAK\n";
  int line = 11;
  for (int p = 1; p <= pages; ++p) {
    for (; line < 68; ++line) {
      const QString head = QString("P%1 L%2 ").arg(p).arg(line + 1);
      text += head + QString(width - head.size(), QChar('X')) + "\n";
    }
    text += "^\n";
    line = 0;
  }
  return text;
}

// The body area of a sheet as print_report has it: the printable area less
// the header of two 9-point lines over a rule.
QSizeF body_area(QPrinter& printer, const QFont& font) {
  QFont h = font;
  h.setPointSizeF(9);
  const QFontMetricsF hm(h, &printer);
  const QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  return {area.width(), area.height() - (3 * hm.lineSpacing() + hm.descent())};
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT
 private slots:
  void pageSplitAtMarks() {
    auto pages = report_pages("A\n^\nB1\nB2\n^\n^\nC\n^\n");
    QCOMPARE(static_cast<int>(pages.size()), 3);
    QCOMPARE(pages[0], QStringList{"A"});
    QCOMPARE(pages[1], (QStringList{"B1", "B2"}));
    QCOMPARE(pages[2], QStringList{"C"});
    // A mark first, CR LF line ends, a mark with trailing blanks.
    pages = report_pages("^\r\nA\r\n^   \r\nB\r\n");
    QCOMPARE(static_cast<int>(pages.size()), 2);
    QCOMPARE(pages[0], QStringList{"A"});
    // A caret inside a line is text.
    pages = report_pages("A ^ B\n");
    QCOMPARE(static_cast<int>(pages.size()), 1);
    QCOMPARE(pages[0], QStringList{"A ^ B"});
    QCOMPARE(static_cast<int>(report_pages("").size()), 1);
  }

  void reportDecodedFromWindows1252() {
    QCOMPARE(decode_report("BER\xC4KNING P\xC5G\xC5R\r\n"), QString("BERÄKNING PÅGÅR\n"));
  }

  void pdfHasOnePagePerMarkedPage() {
    auto dir = scratch();
    QCOMPARE(print_pdf(dir->filePath("a.pdf"), "PAGE ONE\n^\nPAGE TWO\n^\n^\nPAGE THREE\n^\n"), 3);
    QCOMPARE(pdf_pages(dir->filePath("a.pdf")), 3);
  }

  void longPageGoesOnToTheNextSheet() {
    QStringList lines;
    for (int i = 0; i < 300; ++i) lines << QString("LINE %1").arg(i);
    auto dir = scratch();
    const int sheets = print_pdf(dir->filePath("b.pdf"), lines.join("\n") + "\n^\nLAST\n");
    QVERIFY(sheets >= 3);  // 300 lines do not fit one A4 or Letter sheet at 9 pt
    QCOMPARE(pdf_pages(dir->filePath("b.pdf")), sheets);
  }

  void eachReportPageOnOneSheetWholeWithAnyFont() {
    // 68-line pages with lines of 80 and of 132 characters, at the default
    // font and at 14 points, on A4 and Letter: one sheet per page, the
    // longest line within the width and every page within the height.
    for (const auto size : {QPageSize::A4, QPageSize::Letter})
      for (const int pt : {9, 14})
        for (const int width : {80, 132}) {
          const QString what = QString("page %1, %2 pt, %3 characters")
                                   .arg(QPageSize::name(size))
                                   .arg(pt)
                                   .arg(width);
          QPrinter printer(QPrinter::HighResolution);
          printer.setOutputFormat(QPrinter::PdfFormat);
          printer.setPageSize(QPageSize(size));
          const QFont font = report_font({}, pt);
          const QFontMetricsF fm(font, &printer);
          const QSizeF body = body_area(printer, font);
          const auto pages = report_pages(paged_report(3, width));
          QCOMPARE(static_cast<int>(pages.size()), 3);
          const SheetPlan plan = plan_sheets(pages, fm, body, min_print_scale(font));
          QVERIFY2(plan.sheets.size() == 3, qPrintable(what));
          double widest = 0;
          for (const auto& page : pages)
            for (const QString& l : page) widest = std::max(widest, fm.horizontalAdvance(l));
          QVERIFY2(widest * plan.scale <= body.width(), qPrintable(what));
          for (const Sheet& sh : plan.sheets) {
            QCOMPARE(sh.count, pages[static_cast<std::size_t>(sh.page)].size());
            QVERIFY2(static_cast<double>(sh.count) * fm.lineSpacing() * plan.scale <= body.height(),
                     qPrintable(what));
          }
          // Nothing is made smaller than it must be.
          const double need =
              std::min({1.0, body.width() / widest, body.height() / (68 * fm.lineSpacing())});
          QVERIFY2(plan.scale >= need * 0.999, qPrintable(what));
          auto dir = scratch();
          QCOMPARE(print_pdf(dir->filePath("p.pdf"), paged_report(3, width), pt, size), 3);
          QCOMPARE(pdf_pages(dir->filePath("p.pdf")), 3);
        }
  }

  void unpagedReportContinuesWithoutCuttingLines() {
    // A report without page marks is one long page: it goes on over sheets
    // of whole lines, at the width of its longest line.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QFont font = report_font({}, 14);
    const QFontMetricsF fm(font, &printer);
    const QSizeF body = body_area(printer, font);
    QStringList lines;
    for (int i = 0; i < 400; ++i) lines << QString("LINE %1 ").arg(i) + QString(120, QChar('Y'));
    const SheetPlan plan = plan_sheets({lines}, fm, body, min_print_scale(font));
    QVERIFY(plan.sheets.size() > 1);
    qsizetype total = 0;
    for (const Sheet& sh : plan.sheets) {
      QCOMPARE(sh.first, total);
      total += sh.count;
      QVERIFY(static_cast<double>(sh.count) * fm.lineSpacing() * plan.scale <= body.height());
    }
    QCOMPARE(total, lines.size());
    QVERIFY(fm.horizontalAdvance(lines[0]) * plan.scale <= body.width());
  }

  void sheetHeaderFromTheReportHeading() {
    const ReportHeading h = report_heading(paged_report(1));
    QCOMPARE(h.rubrik, QString("HALL B - TAK"));
    QCOMPARE(h.computed, QString("2026-12-09 14:05:31"));
    QCOMPARE(
        sheet_header(h, "TAK1.RED", 2, 5),
        (QStringList{"HALL B - TAK", "Sida 2 av 5", "TAK1.RED", "Beräknad 2026-12-09 14:05:31"}));
    // A text without the heading: no title and no time rather than a wrong one.
    const ReportHeading none = report_heading("SOME TEXT\n^\nMORE\n");
    QVERIFY(none.rubrik.isEmpty());
    QVERIFY(none.computed.isEmpty());
    QCOMPARE(sheet_header(none, "X.RED", 1, 1)[3], QString());
  }

  void screenShowsPageBreaksNotMarks() {
    ReportText view;
    const QString text = "A\n^\nB1\nB2\n^   \n^\nC\n^\n";
    view.setReport(text);
    QCOMPARE(view.toPlainText(), QString("A\n\nB1\nB2\n\nC"));
    QCOMPARE(view.breaks(), (std::vector<int>{1, 4}));
    QCOMPARE(view.report(), text);
    QVERIFY(!view.toPlainText().contains('^'));
  }

  void exampleReportPrintsItsMarkedPages() {
    // A report of 68-line pages as the engine writes it with utskr = 1.
    QString text;
    for (int p = 0; p < 4; ++p) {
      for (int i = 0; i < 60; ++i) text += QString("PAGE %1 LINE %2\n").arg(p).arg(i);
      text += "^\n";
    }
    auto dir = scratch();
    QCOMPARE(print_pdf(dir->filePath("c.pdf"), text), 4);
    QCOMPARE(pdf_pages(dir->filePath("c.pdf")), 4);
  }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
