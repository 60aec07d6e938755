// Printing a report: pages break at the lines that hold only "^", which are
// not printed; consecutive marks and a mark at the end start no empty page;
// a page longer than the sheet goes on to the next sheet.  Checked on the
// page split and on the pages of a PDF file.
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

#include "editor_test_support.h"
#include "report_print.h"

using namespace kvop::editor;
using namespace kvop::editor::test;

namespace {

int pdf_pages(const QString& path) {
  const QByteArray pdf = read_file(path);
  // Page objects, not the page tree ("/Type /Pages").
  static const QRegularExpression page(R"(/Type\s*/Page[^s])");
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

int print_pdf(const QString& path, const QString& text) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  return print_report(printer, text, report_font(), "TEST.RED");
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
