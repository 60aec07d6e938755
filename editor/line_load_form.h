// The line-load form "Linjelast": up to five line loads, each on one span at
// a distance from the span's left support, with its ultimate load downwards
// and upwards and its serviceability load downwards (kN/m).
#pragma once

#include <QDialog>
#include <array>

#include "core/input_case.h"

class QSpinBox;

namespace kvop::editor {

class NumberEdit;

class LineLoadForm : public QDialog {
  Q_OBJECT

 public:
  LineLoadForm(InputCase& in, QWidget* parent = nullptr);
  void accept() override;
  // The first refusal of the entered loads, empty when they can be taken.
  QString validate() const;

 private:
  void update();
  InputCase& in_;
  QSpinBox* nllast_;
  std::array<QSpinBox*, 5> llfnr_{};
  std::array<NumberEdit*, 5> avst_{}, brollast_{}, lllast_{}, brullast_{};
};

}  // namespace kvop::editor
