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
// With the keyboard focus the arrow keys choose the market on either side.
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
  void keyPressEvent(QKeyEvent* e) override;

 private:
  int market_ = 1;
};

// The joint text shown at a support, as the report names the joint types.
QString joint_name(int type);

// The layout of the case: cantilevers, spans with their lengths, one
// marker per support with its joint type, and above the sheet the loads of
// a roof to scale - the snow with its drifts and pocket, the line loads and
// the wind's edge zone.  The end supports show the type the engine gives
// them: continuous with a cantilever of 0.11 m or more, else a hinge.  A
// click on an inner support, or Enter on the support chosen with the arrow
// keys, asks for its joint form.  Labels that would overlap their
// neighbours are left out (the support's tool tip still names it).
class LayoutPicture : public QWidget {
  Q_OBJECT
 public:
  explicit LayoutPicture(QWidget* parent = nullptr);
  void setCase(const InputCase& in);
  // The marker of support j (1..nfack+1) in widget coordinates.
  std::vector<QRectF> markers() const;
  // The support chosen with the keyboard (1..nfack+1).
  int currentSupport() const { return current_; }
  // The texts and places of the labels drawn.
  struct Label {
    QRectF rect;
    QString text;
  };
  std::vector<Label> labels() const;
  QSize sizeHint() const override { return {700, 150}; }
  QSize minimumSizeHint() const override { return {300, 130}; }

 signals:
  void supportClicked(int support);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool event(QEvent* e) override;

 private:
  std::vector<double> supportX() const;
  double sheetY() const;
  double scale() const;
  int supportType(int j) const;
  void paintLoads(QPainter& p) const;
  InputCase in_;
  int current_ = 1;
};

}  // namespace kvop::editor
