// A layout that places its widgets left to right and starts a new row where
// the width ends, so that a row of option frames wraps on a narrow screen
// instead of widening the form.
#pragma once

#include <QLayout>
#include <QList>

namespace kvop::editor {

class FlowLayout : public QLayout {
 public:
  explicit FlowLayout(QWidget* parent = nullptr);
  ~FlowLayout() override;

  void addItem(QLayoutItem* item) override;
  int count() const override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override;
  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;
  void setGeometry(const QRect& rect) override;
  // All widgets on one row.
  QSize sizeHint() const override;
  // The widest widget: narrower than that nothing can wrap.
  QSize minimumSize() const override;

 private:
  // Places the widgets in `rect` (when `apply`), every widget of a row as
  // high as the row; returns the height used.
  int arrange(const QRect& rect, bool apply) const;

  QList<QLayoutItem*> items_;
};

}  // namespace kvop::editor
