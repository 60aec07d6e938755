#include "report_print.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <cmath>

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

ReportHeading report_heading(const QString& text) {
  // The heading's first lines: "INDATAFIL : ", "DATUM : yyyy.mm.dd",
  // "TID   :   hh:mm:ss", then "INDATA", "******" and the title.
  static const QRegularExpression date(R"(^\s{20,}DATUM\s*:\s*(\d{4})\.(\d{2})\.(\d{2})\s*$)");
  static const QRegularExpression time(R"(^\s{20,}TID\s*:\s*(\d{2}):(\d{2}):(\d{2})\s*$)");
  ReportHeading h;
  const QStringList lines = text.left(4000).split('\n');
  QString day, clock;
  for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), 16); ++i) {
    QString line = lines[i];
    if (line.endsWith('\r')) line.chop(1);
    if (const auto m = date.match(line); m.hasMatch())
      day = m.captured(1) + "-" + m.captured(2) + "-" + m.captured(3);
    if (const auto m = time.match(line); m.hasMatch())
      clock = m.captured(1) + ":" + m.captured(2) + ":" + m.captured(3);
    if (line.trimmed() == "******" && i > 0 && lines[i - 1].trimmed() == "INDATA" &&
        i + 1 < lines.size())
      h.rubrik = lines[i + 1].trimmed();
  }
  if (!day.isEmpty()) h.computed = clock.isEmpty() ? day : day + " " + clock;
  return h;
}

QStringList sheet_header(const ReportHeading& heading, const QString& file, int n, int m) {
  const QString when =
      heading.computed.isEmpty()
          ? QString()
          : QCoreApplication::translate("ReportPrint", "Beräknad %1").arg(heading.computed);
  return {heading.rubrik, QCoreApplication::translate("ReportPrint", "Sida %1 av %2").arg(n).arg(m),
          file, when};
}

double min_print_scale(const QFont& font) {
  const double pt = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
  return std::min(1.0, 5.0 / pt);
}

SheetPlan plan_sheets(const std::vector<QStringList>& pages, const QFontMetricsF& fm,
                      const QSizeF& body, double min_scale) {
  SheetPlan plan;
  // The width of the longest line; blanks at a line's end print nothing.
  double widest = 0;
  for (const QStringList& page : pages)
    for (QString line : page) {
      while (line.endsWith(' ')) line.chop(1);
      widest = std::max(widest, fm.horizontalAdvance(line));
    }
  const double lh = fm.lineSpacing();
  // A fitting scale is taken a hair smaller, so that rounding never puts
  // the last line or the last character a fraction beyond the edge.
  constexpr double kSafe = 1.0 - 1e-9;
  double scale = widest > body.width() ? kSafe * body.width() / widest : 1.0;
  for (const QStringList& page : pages) {
    const double need = static_cast<double>(page.size()) * lh;
    if (need <= 0) continue;
    const double fit = kSafe * body.height() / need;
    if (fit >= min_scale) scale = std::min(scale, fit);
  }
  plan.scale = scale;
  const auto per_sheet =
      std::max<qsizetype>(1, static_cast<qsizetype>(std::floor(body.height() / (lh * scale))));
  for (int p = 0; p < static_cast<int>(pages.size()); ++p) {
    const qsizetype n = pages[static_cast<std::size_t>(p)].size();
    qsizetype first = 0;
    do {
      const qsizetype count = std::min(per_sheet, n - first);
      plan.sheets.push_back({p, first, count});
      first += count;
    } while (first < n);
  }
  return plan;
}

int print_report(QPrinter& printer, const QString& text, const QFont& font, const QString& file) {
  QPainter p;
  if (!p.begin(&printer)) return 0;
  const QRectF area(QPointF(0, 0),
                    printer.pageLayout().paintRectPixels(printer.resolution()).size());
  // The header: two lines of a 9-point text over a rule.
  QFont head_font = font;
  head_font.setPointSizeF(9);
  const QFontMetricsF hm(head_font, &printer);
  const double rule_y = 2 * hm.lineSpacing() + hm.descent();
  const double head_height = rule_y + hm.lineSpacing();
  const QSizeF body(area.width(), area.height() - head_height);

  const QFontMetricsF fm(font, &printer);
  const std::vector<QStringList> pages = report_pages(text);
  const SheetPlan plan = plan_sheets(pages, fm, body, min_print_scale(font));
  const ReportHeading heading = report_heading(text);
  const int total = static_cast<int>(plan.sheets.size());
  for (int n = 1; n <= total; ++n) {
    if (n > 1) printer.newPage();
    const QStringList h = sheet_header(heading, file, n, total);
    p.setFont(head_font);
    const double right1 = hm.horizontalAdvance(h[1]);
    const double right2 = hm.horizontalAdvance(h[3]);
    const double gap = hm.horizontalAdvance("    ");
    const double y1 = hm.ascent();
    const double y2 = y1 + hm.lineSpacing();
    p.drawText(QPointF(0, y1), hm.elidedText(h[0], Qt::ElideRight, area.width() - right1 - gap));
    p.drawText(QPointF(area.width() - right1, y1), h[1]);
    p.drawText(QPointF(0, y2), hm.elidedText(h[2], Qt::ElideMiddle, area.width() - right2 - gap));
    p.drawText(QPointF(area.width() - right2, y2), h[3]);
    p.drawLine(QPointF(0, rule_y), QPointF(area.width(), rule_y));

    const Sheet& sheet = plan.sheets[static_cast<std::size_t>(n - 1)];
    const QStringList& page = pages[static_cast<std::size_t>(sheet.page)];
    p.save();
    p.translate(0, head_height);
    p.scale(plan.scale, plan.scale);
    p.setFont(font);
    double y = fm.ascent();
    for (qsizetype i = sheet.first; i < sheet.first + sheet.count; ++i, y += fm.lineSpacing())
      p.drawText(QPointF(0, y), page[i]);
    p.restore();
  }
  p.end();
  return total;
}

}  // namespace kvop::editor
