// The pictures of the main window: the five market flags, drawn in code,
// and the layout of the sheet with its spans, cantilevers and supports.
#pragma once

#include <QWidget>
#include <vector>

#include "core/input_case.h"

namespace kvop::editor {

// Draws the flag of market `code` (1 Sweden, 2 Poland, 3 Norway, 4 Finland,
// 5 Denmark) into `r`.
void paint_flag(QPainter& p, const QRectF& r, int code);

// The market names of the report, by code 1..5.
QString market_name(int code);

// Five flags in a row; the chosen market is framed, a click chooses one.
class FlagBar : public QWidget {
  Q_OBJECT
 public:
  explicit FlagBar(QWidget* parent = nullptr);
  void setMarket(int code);
  int market() const { return market_; }
  QSize sizeHint() const override;
  QRect flagRect(int code) const;

 signals:
  void marketChosen(int code);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  int market_ = 1;
};

// The joint text shown at a support, as the report names the joint types.
QString joint_name(int type);

// The layout of the case: cantilevers, spans with their lengths, and one
// marker per support with its joint type.  The end supports show the type
// the engine gives them: continuous with a cantilever of 0.11 m or more,
// else a hinge.  A click on an inner support asks for its joint form.
class LayoutPicture : public QWidget {
  Q_OBJECT
 public:
  explicit LayoutPicture(QWidget* parent = nullptr);
  void setCase(const InputCase& in);
  // The marker of support j (1..nfack+1) in widget coordinates.
  std::vector<QRectF> markers() const;
  QSize sizeHint() const override { return {700, 110}; }
  QSize minimumSizeHint() const override { return {300, 100}; }

 signals:
  void supportClicked(int support);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  std::vector<double> supportX() const;
  InputCase in_;
};

}  // namespace kvop::editor
