#include "report_text.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTextBlock>

#include "report_print.h"

namespace kvop::editor {

ReportText::ReportText(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
}

void ReportText::setReport(const QString& text) {
  report_ = text;
  breaks_.clear();
  // The pages as the printout has them, joined by one empty line each.
  QStringList shown;
  for (const QStringList& page : report_pages(text)) {
    if (!shown.isEmpty()) {
      breaks_.push_back(static_cast<int>(shown.size()));
      shown << QString();
    }
    shown << page;
  }
  setPlainText(shown.join('\n'));
}

void ReportText::paintEvent(QPaintEvent* e) {
  QPlainTextEdit::paintEvent(e);
  if (breaks_.empty()) return;
  QPainter p(viewport());
  QPen pen(palette().color(QPalette::Dark));
  pen.setStyle(Qt::DashLine);
  p.setPen(pen);
  QFont small = font();
  small.setPointSizeF(std::max(6.0, font().pointSizeF() * 0.8));
  p.setFont(small);
  const QFontMetrics sm(small);
  const QPointF offset = contentOffset();
  for (std::size_t k = 0; k < breaks_.size(); ++k) {
    const QTextBlock b = document()->findBlockByNumber(breaks_[k]);
    if (!b.isValid() || !b.isVisible()) continue;
    const QRectF r = blockBoundingGeometry(b).translated(offset);
    if (r.bottom() < 0 || r.top() > viewport()->height()) continue;
    const double y = r.center().y();
    const QString label =
        QCoreApplication::translate("ReportText", "Sida %1").arg(static_cast<int>(k) + 2);
    const int lw = sm.horizontalAdvance(label) + 8;
    p.drawLine(QPointF(0, y), QPointF(viewport()->width() - lw - 4, y));
    p.drawText(QPointF(viewport()->width() - lw, y + sm.ascent() / 2.0 - 1), label);
  }
}

}  // namespace kvop::editor
