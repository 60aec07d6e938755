#include "report_print.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "core/cp1252.h"

namespace kvop::editor {

QString decode_report(const QByteArray& bytes) {
  QString s = QString::fromStdString(cp1252::to_utf8(bytes.toStdString()));
  s.replace("\r\n", "\n");
  return s;
}

std::vector<QStringList> report_pages(const QString& text) {
  std::vector<QStringList> pages(1);
  QStringList lines = text.split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();  // the last line end
  for (QString line : lines) {
    if (line.endsWith('\r')) line.chop(1);
    QString bare = line;
    while (bare.endsWith(' ')) bare.chop(1);
    if (bare == "^") {
      if (!pages.back().isEmpty()) pages.emplace_back();
      continue;
    }
    pages.back() << line;
  }
  if (pages.back().isEmpty() && pages.size() > 1) pages.pop_back();
  return pages;
}

QFont report_font(const QString& family, int point_size) {
  QFont f;
  if (!family.isEmpty() && QFontDatabase::hasFamily(family)) {
    f = QFont(family);
  } else if (QFontDatabase::hasFamily("Courier New")) {
    f = QFont("Courier New");
  } else {
    f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  }
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPointSize(point_size > 0 ? point_size : 9);
  return f;
}

int print_report(QPrinter& printer, const QString& text, const QFont& font, const QString& title) {
  QPainter p;
  if (!p.begin(&printer)) return 0;
  p.setFont(font);
  const QFontMetricsF fm(font, &printer);
  const QRectF area(QPointF(0, 0),
                    printer.pageLayout().paintRectPixels(printer.resolution()).size());
  const double lh = fm.lineSpacing();
  const int header_lines = 2;
  const int per_sheet = std::max(1, static_cast<int>(area.height() / lh) - header_lines);
  int sheet = 0;
  for (const QStringList& page : report_pages(text)) {
    for (qsizetype first = 0; first < page.size() || (first == 0 && page.isEmpty());
         first += per_sheet) {
      if (sheet > 0) printer.newPage();
      ++sheet;
      p.drawText(QPointF(0, fm.ascent()), title + "   Sida " + QString::number(sheet));
      double y = fm.ascent() + header_lines * lh;
      for (qsizetype i = first; i < std::min(page.size(), first + per_sheet); ++i, y += lh)
        p.drawText(QPointF(0, y), page[i]);
      if (page.isEmpty()) break;
    }
  }
  p.end();
  return sheet;
}

}  // namespace kvop::editor
