#include "pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

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
}

void FlagBar::mousePressEvent(QMouseEvent* e) {
  for (int code = 1; code <= 5; ++code)
    if (flagRect(code).adjusted(-3, -3, 3, 3).contains(e->position().toPoint())) {
      setMarket(code);
      emit marketChosen(code);
    }
}

QString joint_name(int type) {
  static const char* names[6] = {"KONT", "LED", "OML", "OML+NIT", "GERBER", "DUB OML"};
  return names[std::clamp(type, 0, 5)];
}

LayoutPicture::LayoutPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("layout");
  blkdat(in_);
  setMinimumHeight(100);
}

void LayoutPicture::setCase(const InputCase& in) {
  in_ = in;
  update();
}

std::vector<double> LayoutPicture::supportX() const {
  const int n = std::clamp(in_.nfack, 1, 20);
  const double kv = std::max(0.0f, in_.konsv), kh = std::max(0.0f, in_.konsh);
  double total = kv + kh;
  for (int i = 1; i <= n; ++i) total += std::max(0.0f, in_.spv(i));
  if (total <= 0) total = 1;
  const double left = 20, right = width() - 20;
  const double scale = (right - left) / total;
  std::vector<double> xs;
  double x = left + kv * scale;
  xs.push_back(x);
  for (int i = 1; i <= n; ++i) {
    x += std::max(0.0f, in_.spv(i)) * scale;
    xs.push_back(x);
  }
  return xs;
}

std::vector<QRectF> LayoutPicture::markers() const {
  std::vector<QRectF> r;
  const double y = height() * 0.48;
  for (double x : supportX()) r.emplace_back(x - 7, y, 14, 12);
  return r;
}

void LayoutPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().color(QPalette::Base));
  const int n = std::clamp(in_.nfack, 1, 20);
  const std::vector<double> xs = supportX();
  const double y = height() * 0.48;
  QFont small = font();
  small.setPointSizeF(std::max(6.0, font().pointSizeF() - 1.5));
  p.setFont(small);
  const QColor text = palette().color(QPalette::Text);

  // The sheet with its cantilevers.
  p.setPen(QPen(QColor(40, 70, 140), 4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(20, y), QPointF(width() - 20, y));
  p.setPen(text);
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    p.drawText(QRectF(xs[k - 1], y - 30, xs[k] - xs[k - 1], 18), Qt::AlignCenter,
               format_number(in_.spv(i), 2));
  }
  if (in_.konsv > 0)
    p.drawText(QRectF(0, y - 30, xs.front(), 18), Qt::AlignCenter, format_number(in_.konsv, 2));
  if (in_.konsh > 0)
    p.drawText(QRectF(xs.back(), y - 30, width() - xs.back(), 18), Qt::AlignCenter,
               format_number(in_.konsh, 2));

  const auto ms = markers();
  for (int j = 1; j <= n + 1; ++j) {
    const QRectF m = ms[static_cast<std::size_t>(j - 1)];
    int type = in_.skarvtyp(j);
    if (j == 1) type = in_.konsv < 0.11f ? 1 : 0;
    if (j == n + 1) type = in_.konsh < 0.11f ? 1 : 0;
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
    p.setPen(text);
    const double w = std::max(40.0, (xs.size() > 1 ? (xs[1] - xs[0]) : 60.0));
    p.drawText(QRectF(m.center().x() - w / 2, m.bottom() + 2, w, 16),
               Qt::AlignHCenter | Qt::AlignTop, QString::number(j));
    p.drawText(QRectF(m.center().x() - w / 2, m.bottom() + 16, w, 16),
               Qt::AlignHCenter | Qt::AlignTop, joint_name(type));
  }
}

void LayoutPicture::mousePressEvent(QMouseEvent* e) {
  const auto ms = markers();
  for (std::size_t k = 0; k < ms.size(); ++k)
    if (ms[k].adjusted(-8, -8, 8, 24).contains(e->position()))
      emit supportClicked(static_cast<int>(k) + 1);
}

}  // namespace kvop::editor
