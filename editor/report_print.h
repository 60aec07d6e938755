// Printing a report.  A report line that holds only "^" marks a new page:
// the mark itself is not printed, consecutive marks and a mark at the end
// start no empty page.  Each page goes onto one sheet whole, the font scaled
// down as far as the longest line and the longest page need.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

class QPrinter;

namespace kvop::editor {

// The report text of a file (Windows-1252), decoded by the engine's own
// conversion, with CR LF or LF line ends.
QString decode_report(const QByteArray& bytes);

// The report split at its page marks; no page is empty.
std::vector<QStringList> report_pages(const QString& text);

// The fixed-pitch font of the report: the stored choice when given, else
// "Courier New" when installed, else the system's fixed font.
QFont report_font(const QString& family = {}, int point_size = 0);

// What the report's own heading says: the case title (`rubrik`) and the
// date and time of the computation ("2026-12-09 14:05:31"); empty when the
// text has no such heading.
struct ReportHeading {
  QString rubrik;
  QString computed;
};
ReportHeading report_heading(const QString& text);

// The header of printed sheet `n` of `m`: the title and "Sida n av m" on the
// first line, the file name and the computation's date and time on the
// second.  Returns the four texts in that order: left and right of line 1,
// left and right of line 2.
QStringList sheet_header(const ReportHeading& heading, const QString& file, int n, int m);

// One printed sheet: lines [first, first + count) of report page `page`.
struct Sheet {
  int page = 0;
  qsizetype first = 0;
  qsizetype count = 0;
};

// How a report goes onto sheets: every text line is drawn at `scale` times
// the chosen font, small enough that the longest line fits the width and
// every report page fits one sheet whole.  Only a page that would need a
// scale below `min_scale` (an unpaged report) is continued on further
// sheets; a line is never cut.
struct SheetPlan {
  double scale = 1.0;
  std::vector<Sheet> sheets;
};
SheetPlan plan_sheets(const std::vector<QStringList>& pages, const QFontMetricsF& fm,
                      const QSizeF& body, double min_scale);

// The smallest scale of the chosen font a printout uses for whole pages:
// a printed letter stays at least 5 points high.
double min_print_scale(const QFont& font);

// Prints the report on `printer` with `font` (scaled down as plan_sheets
// says), each sheet under a header with the case title, the file name
// `file`, the computation's date and time and "Sida n av m".  Returns the
// number of sheets printed (0 when the printer cannot be opened).
int print_report(QPrinter& printer, const QString& text, const QFont& font, const QString& file);

}  // namespace kvop::editor
