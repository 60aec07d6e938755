// The wind-load calculator "Beräkna vindlast": the peak velocity pressure at
// the building's height for a reference wind speed and a terrain category
// (EN 1991-1-4), sent as the basic wind value of the case.
#pragma once

#include <QDialog>

#include "calculators.h"

class QButtonGroup;
class QDoubleSpinBox;
class QLabel;

namespace kvop::editor {

class InputForm;
class NumberEdit;

class WindForm : public QDialog {
  Q_OBJECT

 public:
  WindForm(InputForm& form, QWidget* parent = nullptr);
  void calculate();  // "Beräkna >>"
  void send();       // "Skicka värde >>"
  const WindResult& result() const { return result_; }

 private:
  InputForm& form_;
  NumberEdit* tvref_;
  QDoubleSpinBox* bhojd_;
  QButtonGroup* tertyp_;
  QLabel* resultText_;
  WindResult result_{};
  bool computed_ = false;
};

}  // namespace kvop::editor
