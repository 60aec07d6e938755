#include "pictures.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>
#include <QPainterPath>

#include "core/joint_names.h"
#include "driver/inkvop.h"
#include "number_edit.h"

namespace kvop::editor {
namespace {

// A Nordic cross: vertical bar at `x0`..`x1` and horizontal bar at
// `y0`..`y1`, in fractions of the flag's width and height.
void cross(QPainter& p, const QRectF& r, const QColor& c, double x0, double x1, double y0,
           double y1) {
  p.fillRect(QRectF(r.left() + x0 * r.width(), r.top(), (x1 - x0) * r.width(), r.height()), c);
  p.fillRect(QRectF(r.left(), r.top() + y0 * r.height(), r.width(), (y1 - y0) * r.height()), c);
}

}  // namespace

QString market_name(int code) {
  static const char* names[5] = {"SVERIGE", "POLEN", "NORGE", "FINLAND", "DANMARK"};
  return names[std::clamp(code, 1, 5) - 1];
}

void paint_flag(QPainter& p, const QRectF& r, int code) {
  const QColor white(255, 255, 255);
  switch (code) {
    case 1: {  // blue, yellow cross 5:2:9 by 4:2:4
      p.fillRect(r, QColor(0, 106, 167));
      cross(p, r, QColor(254, 204, 0), 5.0 / 16, 7.0 / 16, 4.0 / 10, 6.0 / 10);
      break;
    }
    case 2: {  // white over red
      p.fillRect(r, white);
      p.fillRect(QRectF(r.left(), r.center().y(), r.width(), r.height() / 2), QColor(220, 20, 60));
      break;
    }
    case 3: {  // red, blue cross bordered in white, 6:1:2:1:12 by 6:1:2:1:6
      p.fillRect(r, QColor(186, 12, 47));
      cross(p, r, white, 6.0 / 22, 10.0 / 22, 6.0 / 16, 10.0 / 16);
      cross(p, r, QColor(0, 32, 91), 7.0 / 22, 9.0 / 22, 7.0 / 16, 9.0 / 16);
      break;
    }
    case 4: {  // white, blue cross 5:3:10 by 4:3:4
      p.fillRect(r, white);
      cross(p, r, QColor(0, 47, 108), 5.0 / 18, 8.0 / 18, 4.0 / 11, 7.0 / 11);
      break;
    }
    default: {  // red, white cross 12:4:21 by 12:4:12
      p.fillRect(r, QColor(200, 16, 46));
      cross(p, r, white, 12.0 / 37, 16.0 / 37, 12.0 / 28, 16.0 / 28);
      break;
    }
  }
  p.setPen(QPen(QColor(90, 90, 90), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
}

FlagBar::FlagBar(QWidget* parent) : QWidget(parent) {
  setObjectName("Flagga");
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName("Marknad");
  setMouseTracking(true);
  setToolTip("Marknad: klicka på en flagga");
}

QSize FlagBar::sizeHint() const { return {5 * 52 + 8, 62}; }

QRect FlagBar::flagRect(int code) const { return QRect(6 + (code - 1) * 52, 8, 44, 28); }

void FlagBar::setMarket(int code) {
  market_ = std::clamp(code, 1, 5);
  update();
}

void FlagBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  for (int code = 1; code <= 5; ++code) {
    const QRect r = flagRect(code);
    p.setOpacity(code == market_ ? 1.0 : 0.35);
    paint_flag(p, r, code);
    p.setOpacity(1.0);
    if (code == market_) {
      p.setPen(QPen(palette().color(QPalette::Highlight), 2.5));
      p.drawRect(r.adjusted(-3, -3, 3, 3));
    }
  }
  p.setPen(palette().color(QPalette::WindowText));
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  const QRect r = flagRect(market_);
  p.drawText(QRect(0, r.bottom() + 4, width(), 18), Qt::AlignCenter, market_name(market_));
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void FlagBar::keyPressEvent(QKeyEvent* e) {
  int code = market_;
  switch (e->key()) {
    case Qt::Key_Left: code = std::max(1, market_ - 1); break;
    case Qt::Key_Right: code = std::min(5, market_ + 1); break;
    case Qt::Key_Home: code = 1; break;
    case Qt::Key_End: code = 5; break;
    default: QWidget::keyPressEvent(e); return;
  }
  if (code == market_) return;
  setMarket(code);
  emit marketChosen(code);
}

void FlagBar::mousePressEvent(QMouseEvent* e) {
  for (int code = 1; code <= 5; ++code)
    if (flagRect(code).adjusted(-3, -3, 3, 3).contains(e->position().toPoint())) {
      setMarket(code);
      emit marketChosen(code);
    }
}

QString joint_name(int type) {
  const std::string_view name = kSkarvnamn[static_cast<std::size_t>(std::clamp(type, 0, 5))];
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).trimmed();
}

LayoutPicture::LayoutPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("layout");
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName("Stöd och laster");
  blkdat(in_);
  setMinimumHeight(130);
}

void LayoutPicture::setCase(const InputCase& in) {
  in_ = in;
  current_ = std::clamp(current_, 1, std::clamp(in_.nfack, 1, 20) + 1);
  update();
}

double LayoutPicture::sheetY() const { return height() - 52.0; }

// Pixels per metre along the sheet, cantilevers included.
double LayoutPicture::scale() const {
  const int n = std::clamp(in_.nfack, 1, 20);
  double total = std::max(0.0f, in_.konsv) + std::max(0.0f, in_.konsh);
  for (int i = 1; i <= n; ++i) total += std::max(0.0f, in_.spv(i));
  if (total <= 0) total = 1;
  return (width() - 40.0) / total;
}

std::vector<double> LayoutPicture::supportX() const {
  const int n = std::clamp(in_.nfack, 1, 20);
  const double k = scale();
  std::vector<double> xs;
  double x = 20 + std::max(0.0f, in_.konsv) * k;
  xs.push_back(x);
  for (int i = 1; i <= n; ++i) {
    x += std::max(0.0f, in_.spv(i)) * k;
    xs.push_back(x);
  }
  return xs;
}

std::vector<QRectF> LayoutPicture::markers() const {
  std::vector<QRectF> r;
  const double y = sheetY() + 3;
  for (double x : supportX()) r.emplace_back(x - 7, y, 14, 12);
  return r;
}

int LayoutPicture::supportType(int j) const {
  const int n = std::clamp(in_.nfack, 1, 20);
  if (j == 1) return in_.konsv < 0.11f ? 1 : 0;
  if (j == n + 1) return in_.konsh < 0.11f ? 1 : 0;
  return in_.skarvtyp(j);
}

// The labels in three rows: span lengths above the sheet, support numbers
// and joint names below it, the names in two staggered rows.  A label that
// would touch the one before it in its row is left out.
std::vector<LayoutPicture::Label> LayoutPicture::labels() const {
  QFont small = font();
  small.setPointSizeF(std::max(6.0, font().pointSizeF() - 1.5));
  const QFontMetricsF fm(small);
  const int n = std::clamp(in_.nfack, 1, 20);
  const std::vector<double> xs = supportX();
  const double y = sheetY();
  const double h = fm.height();
  std::vector<Label> out;
  std::vector<double> rowEnd(4, -1e9);
  auto place = [&](std::initializer_list<int> rows, double cx, double top_of_row0,
                   const QString& text) {
    const double w = fm.horizontalAdvance(text) + 2;
    for (int row : rows) {
      const double left = cx - w / 2;
      if (left < rowEnd[static_cast<std::size_t>(row)] + 4) continue;
      const double top = top_of_row0 + (row == 3 ? h : 0);
      out.push_back({QRectF(left, top, w, h), text});
      rowEnd[static_cast<std::size_t>(row)] = left + w;
      return;
    }
  };
  if (in_.konsv > 0) place({0}, (20 + xs.front()) / 2, y - h - 2, format_number(in_.konsv, 2));
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    place({0}, (xs[k - 1] + xs[k]) / 2, y - h - 2, format_number(in_.spv(i), 2));
  }
  if (in_.konsh > 0) place({0}, (xs.back() + width() - 20) / 2, y - h - 2, format_number(in_.konsh, 2));
  const double below = y + 17;
  for (int j = 1; j <= n + 1; ++j) place({1}, xs[static_cast<std::size_t>(j - 1)], below, QString::number(j));
  for (int j = 1; j <= n + 1; ++j)
    place({2, 3}, xs[static_cast<std::size_t>(j - 1)], below + h, joint_name(supportType(j)));
  return out;
}

// The loads of a roof, to the same horizontal scale as the sheet; shape
// factors share one vertical scale.  x runs from the left free end.
void LayoutPicture::paintLoads(QPainter& p) const {
  if (in_.vagg != 0) return;
  const int n = std::clamp(in_.nfack, 1, 20);
  const std::vector<double> xs = supportX();
  const double k = scale();
  const double x0 = 20, x1 = width() - 20.0;
  const double base = sheetY() - fontMetrics().height() - 4;
  const double room = std::max(10.0, base - 6);
  const bool pocket = in_.fickfack >= 1 && in_.fickfack <= n && in_.fickform > in_.snoform;
  double top = std::max(0.0f, in_.snoform);
  if (in_.trivlgd > 0) top = std::max(top, static_cast<double>(in_.trivform));
  if (in_.trihlgd > 0) top = std::max(top, static_cast<double>(in_.trihform));
  if (pocket) top = std::max(top, static_cast<double>(in_.fickform));
  if (top <= 0) top = 1;
  const double vk = room / top;
  // The pocket's start of the maximum, from the left free end.
  const double pd = pocket ? (xs[static_cast<std::size_t>(in_.fickfack - 1)] - x0) / k + in_.fickavst : 0;
  auto shape = [&](double x) {  // x in metres from the left free end
    double mu = std::max(0.0f, in_.snoform);
    const double length = (x1 - x0) / k;
    if (in_.trivlgd > 0 && x < in_.trivlgd) mu = std::max(mu, in_.trivform * (1 - x / in_.trivlgd));
    if (in_.trihlgd > 0 && length - x < in_.trihlgd)
      mu = std::max(mu, in_.trihform * (1 - (length - x) / in_.trihlgd));
    if (pocket) {
      const double lr = std::max(0.0f, in_.ficklgd), lm = std::max(0.0f, in_.fickmaxlgd);
      double f = 0;
      if (x >= pd && x <= pd + lm) f = 1;
      else if (x < pd && lr > 0 && pd - x < lr) f = 1 - (pd - x) / lr;
      else if (x > pd + lm && lr > 0 && x - pd - lm < lr) f = 1 - (x - pd - lm) / lr;
      mu = std::max(mu, in_.fickform * f);
    }
    return mu;
  };
  QPolygonF snow;
  snow << QPointF(x0, base);
  for (double x = x0; x <= x1 + 0.5; x += 1.0) snow << QPointF(x, base - shape((x - x0) / k) * vk);
  snow << QPointF(x1, base);
  p.setPen(QPen(QColor(90, 130, 190), 1));
  p.setBrush(QColor(200, 220, 245));
  p.drawPolygon(snow);

  // Line loads: an arrow at their place, named P1..P5.
  p.setPen(QPen(QColor(170, 30, 30), 1.5));
  for (int l = 1; l <= std::clamp(in_.nlinj, 0, 5); ++l) {
    const int t = std::clamp(in_.linjfack(l), 1, n);
    const double x = xs[static_cast<std::size_t>(t - 1)] + in_.linjlast(l).linjavst * k;
    p.drawLine(QPointF(x, 4), QPointF(x, base));
    p.drawLine(QPointF(x, base), QPointF(x - 4, base - 6));
    p.drawLine(QPointF(x, base), QPointF(x + 4, base - 6));
    p.drawText(QPointF(x + 3, 12), QString("P%1").arg(l));
  }
  // The edge zone of the wind on a non-insulated roof, from the left end.
  if (in_.taktyp == 0 && in_.vind(5) > 0) {
    const double e = std::min(x1, x0 + in_.vind(5) * k);
    p.setPen(QPen(QColor(30, 120, 60), 1.5));
    p.drawLine(QPointF(x0, base + 3), QPointF(e, base + 3));
    p.drawLine(QPointF(e, base), QPointF(e, base + 6));
    p.drawText(QPointF(x0 + 2, base - 3), "randzon");
  }
}

void LayoutPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().color(QPalette::Base));
  const int n = std::clamp(in_.nfack, 1, 20);
  const double y = sheetY();
  QFont small = font();
  small.setPointSizeF(std::max(6.0, font().pointSizeF() - 1.5));
  p.setFont(small);
  const QColor text = palette().color(QPalette::Text);

  paintLoads(p);
  // The sheet with its cantilevers.
  p.setPen(QPen(QColor(40, 70, 140), 4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(20, y), QPointF(width() - 20, y));

  const auto ms = markers();
  for (int j = 1; j <= n + 1; ++j) {
    const QRectF m = ms[static_cast<std::size_t>(j - 1)];
    const int type = supportType(j);
    QPainterPath tri;
    tri.moveTo(m.center().x(), m.top());
    tri.lineTo(m.right(), m.bottom());
    tri.lineTo(m.left(), m.bottom());
    tri.closeSubpath();
    p.setPen(QPen(text, 1));
    p.setBrush(type == 0   ? QColor(70, 70, 70)
               : type == 1 ? QColor(255, 255, 255)
                           : QColor(220, 120, 30));
    p.drawPath(tri);
  }
  p.setPen(text);
  p.setBrush(Qt::NoBrush);
  for (const Label& l : labels()) p.drawText(l.rect, Qt::AlignCenter, l.text);
  // The support chosen with the keyboard.
  if (hasFocus() && current_ >= 1 && current_ <= n + 1) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
    p.drawRect(ms[static_cast<std::size_t>(current_ - 1)].adjusted(-5, -5, 5, 5));
  }
}

void LayoutPicture::mousePressEvent(QMouseEvent* e) {
  const auto ms = markers();
  for (std::size_t k = 0; k < ms.size(); ++k)
    if (ms[k].adjusted(-8, -8, 8, 24).contains(e->position())) {
      current_ = static_cast<int>(k) + 1;
      update();
      emit supportClicked(current_);
    }
}

void LayoutPicture::keyPressEvent(QKeyEvent* e) {
  const int last = std::clamp(in_.nfack, 1, 20) + 1;
  switch (e->key()) {
    case Qt::Key_Left: current_ = std::max(1, current_ - 1); break;
    case Qt::Key_Right: current_ = std::min(last, current_ + 1); break;
    case Qt::Key_Home: current_ = 1; break;
    case Qt::Key_End: current_ = last; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit supportClicked(current_); return;
    default: QWidget::keyPressEvent(e); return;
  }
  update();
}

// The tool tip over a support names it with its joint, also where the
// picture has no room for its labels.
bool LayoutPicture::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    const auto* h = static_cast<QHelpEvent*>(e);
    const auto ms = markers();
    for (std::size_t k = 0; k < ms.size(); ++k)
      if (ms[k].adjusted(-8, -8, 8, 24).contains(h->pos())) {
        QToolTip::showText(h->globalPos(),
                           QString("Stöd %1: %2").arg(k + 1).arg(joint_name(supportType(static_cast<int>(k) + 1))),
                           this);
        return true;
      }
  }
  return QWidget::event(e);
}

}  // namespace kvop::editor
