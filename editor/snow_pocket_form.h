// The snow-pocket form "Snöficka": the drifts at the two ends of the sheet,
// the extra snow pocket in one span, and the drift calculator for a roof at
// a taller building (EN 1991-1-3).  "Skicka vänster" and "Skicka höger" copy
// the calculated drift into the left or right end drift; "<<Skicka " sends
// the shape factor of a sheet lying across the drift to the roof's snow
// shape factor.
#pragma once

#include <QDialog>
#include <optional>

#include "calculators.h"
#include "core/input_case.h"

class QButtonGroup;
class QLabel;
class QSpinBox;

namespace kvop::editor {

class InputForm;
class NumberEdit;

class SnowPocketForm : public QDialog {
  Q_OBJECT

 public:
  SnowPocketForm(InputForm& form, QWidget* parent = nullptr);
  void accept() override;

  // The calculation of the entered geometry ("Beräkna >>").
  void calculate();
  void sendLeft();
  void sendRight();
  void sendAcross();
  // The shape factor of the chosen sheet when it lies across the drift.
  double acrossShape() const;
  const DriftResult& result() const { return result_; }
  // The roof's shape factor sent by "<<Skicka ", written into the case
  // only when the form is accepted with "OK".
  std::optional<float> pendingShape() const { return pendingShape_; }

 private:
  DriftInput input() const;
  InputForm& form_;
  InputCase in_;  // the drift and pocket fields being edited
  NumberEdit *trivform_, *trivlgd_, *trihform_, *trihlgd_;
  NumberEdit *nextraForm_, *dextra_, *lextra1_, *lextra2_;
  QSpinBox* nextra_;
  QButtonGroup* direction_;
  QSpinBox *stegnr_, *nplat_;
  NumberEdit *tl1_, *tl2_, *th1_, *tb2_, *tu3_, *tgrader_;
  NumberEdit *lfickav_, *tlastv_, *lfickah_, *tlasth_;
  QLabel* resultText_;
  QLabel* sentText_;
  QList<QWidget*> sendButtons_;
  DriftResult result_{};
  std::optional<float> pendingShape_;
};

}  // namespace kvop::editor
