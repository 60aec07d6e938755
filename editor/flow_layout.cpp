#include "flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace kvop::editor {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {}

FlowLayout::~FlowLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }
int FlowLayout::count() const { return static_cast<int>(items_.size()); }
QLayoutItem* FlowLayout::itemAt(int index) const { return items_.value(index); }
QLayoutItem* FlowLayout::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}
Qt::Orientations FlowLayout::expandingDirections() const { return {}; }
bool FlowLayout::hasHeightForWidth() const { return true; }

int FlowLayout::heightForWidth(int width) const {
  const QMargins m = contentsMargins();
  return arrange(QRect(0, 0, width, 0), false) + m.top() + m.bottom();
}

void FlowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  arrange(rect, true);
}

QSize FlowLayout::sizeHint() const {
  int w = 0, h = 0;
  for (const QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    if (w > 0) w += spacing();
    w += item->sizeHint().width();
    h = std::max(h, item->sizeHint().height());
  }
  const QMargins m = contentsMargins();
  return {w + m.left() + m.right(), h + m.top() + m.bottom()};
}

QSize FlowLayout::minimumSize() const {
  QSize s;
  for (const QLayoutItem* item : items_)
    if (!item->isEmpty()) s = s.expandedTo(item->minimumSize());
  const QMargins m = contentsMargins();
  return s + QSize(m.left() + m.right(), m.top() + m.bottom());
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
  const QRect r = rect.marginsRemoved(contentsMargins());
  const int gap = std::max(0, spacing());
  int y = r.y();
  QList<QLayoutItem*> row;
  int row_width = 0, row_height = 0;
  const auto place_row = [&] {
    int x = r.x();
    for (QLayoutItem* item : row) {
      const int w = item->sizeHint().width();
      if (apply) item->setGeometry(QRect(x, y, w, row_height));
      x += w + gap;
    }
  };
  for (QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize s = item->sizeHint();
    if (!row.isEmpty() && row_width + gap + s.width() > r.width()) {
      place_row();
      y += row_height + gap;
      row.clear();
      row_width = row_height = 0;
    }
    row_width += (row.isEmpty() ? 0 : gap) + s.width();
    row_height = std::max(row_height, s.height());
    row.append(item);
  }
  place_row();
  return y + row_height - r.y();
}

}  // namespace kvop::editor
