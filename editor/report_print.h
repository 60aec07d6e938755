// Printing a report.  A report line that holds only "^" marks a new page:
// the mark itself is not printed, consecutive marks and a mark at the end
// start no empty page, and a page that is longer than the sheet continues on
// the next sheet.
#pragma once

#include <QFont>
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

// Prints the report on `printer` with `font`, with the case name and the
// sheet number in a header line.  Returns the number of sheets printed.
int print_report(QPrinter& printer, const QString& text, const QFont& font, const QString& title);

}  // namespace kvop::editor
