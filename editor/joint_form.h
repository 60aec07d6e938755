// The joint form "Skarvtyp": the joint type of one inner support and the
// extent of its overlap or hinge into the spans on either side, in per cent
// of those spans.  The case stores both extents packed into one number: the
// integer part is the extent into the right span, the fraction times 100 the
// extent into the left span (10.1 = 10 % on both sides).
#pragma once

#include <QDialog>
#include <array>

#include "core/input_case.h"

class QButtonGroup;
class QSpinBox;

namespace kvop::editor {

// The packed extent of `right` and `left` per cent (0..99 each).
float pack_joint_extent(int right, int left);
// The right and left per cent of a packed extent.
std::pair<int, int> unpack_joint_extent(float packed);

class JointForm : public QDialog {
  Q_OBJECT

 public:
  // Edits support `support` (2..nfack) of `in`.
  JointForm(InputCase& in, int support, QWidget* parent = nullptr);
  void accept() override;

 private:
  void update();
  InputCase& in_;
  int support_;
  QButtonGroup* type_;
  std::array<QSpinBox*, 6> prcv_{};  // entries 2..5 used
  std::array<QSpinBox*, 6> prch_{};
};

}  // namespace kvop::editor
