// The input form: one sheeting case in frames of controls.  The form holds
// the case as it was opened (so that fields it does not show are written
// back unchanged) and reads every shown control back into that case.
// Joint types, line loads, drifts and the snow pocket are edited by the
// auxiliary forms in the case held here (`data`).
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "case_document.h"
#include "driver/case_file.h"
#include "number_edit.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kvop::editor {

inline constexpr int kMaxSpans = 20;  // the file format's range
inline constexpr int kMaxLoads = 5;

// A frame of option buttons with integer ids.  A stored value that no
// button shows exactly (a perforation code 2, a report layout 2) is kept as
// long as the user leaves the frame alone.
class OptionFrame : public QGroupBox {
  Q_OBJECT

 public:
  OptionFrame(const QString& caption, const std::vector<std::pair<int, QString>>& options,
              QWidget* parent, bool vertical = true);
  // Shows `stored` by the button `shown` (-1: no button).
  void setStored(int stored, int shown);
  void setValue(int v) { setStored(v, v); }
  // The chosen id; the stored value when the shown button is still the one chosen.
  int value() const;
  int checked() const { return group_->checkedId(); }
  QButtonGroup* group() const { return group_; }

 private:
  QButtonGroup* group_;
  int stored_ = -1;
  int shown_ = -1;
};

class InputForm : public QWidget {
  Q_OBJECT
 public:
  explicit InputForm(QWidget* parent = nullptr);

  void setCase(const CaseFile& cf);
  // The case as the controls hold it.
  CaseFile currentCase() const;
  // The stored case that the auxiliary forms edit; call dataEdited after.
  CaseFile& data() { return cf_; }
  void dataEdited();

  int market() const { return market_; }
  void setMarket(int code);
  int spans() const;
  bool isWall() const;

  // The first refusal of the shown values, empty when all can be saved:
  // the field's caption and what is wrong, in the user's words.
  QString validate() const;
  // Puts the focus on the field of the last refusal of validate().
  void focusFault();
  // The object name of that field (empty when none or not on this form).
  QString faultControl() const { return faultControl_; }

  // The questions and warnings of the form; tests replace them.
  std::function<bool(const QString& text)> confirm;
  std::function<void(const QString& text)> warn;

  void setProfiles(std::vector<ProfileChoice> profiles);
  // Puts a profile of the database into the case, as if typed.
  void chooseProfile(const QString& designation);
  // The thicknesses of the profile chosen, from the database; empty when
  // the database does not know it.
  std::vector<float> profileThicknesses() const;
  // The refusal of a locked thickness that the profile does not have,
  // empty when every shown one is the profile's own.  `span` gets the span
  // concerned.  Such a case can be saved (an opened case keeps its values)
  // but not computed.
  QString lockedThicknessFault(int* span = nullptr) const;

  // Values sent by the calculators: the snow shape factor of the roof, and
  // the basic wind value of the roof or the wall, whichever the case is.
  void setSnowShape(float mu);
  void setWindBasic(float q);
  // The characteristic snow load of the case as the form shows it.
  float snowLoad() const;

 signals:
  void windCalculatorWanted();

  void changed();

 private:
  void build();
  QGroupBox* buildProfile();
  QGroupBox* buildGeometry();
  void updateVisibility();
  void updateThicknessChoices();
  void edited();
  NumberEdit* number(const QString& name, int decimals, double lo, double hi);
  void supportWidthFinished(NumberEdit* e);
  void spansChanged(int n);
  QString loadsBeyond(int n) const;
  void removeLoadsBeyond(int n);
  void profileEntered();
  bool knownProfile(const QString& designation) const;
  QString unknownProfileText(const QString& designation) const;
  void thicknessFinished(NumberEdit* e);

  CaseFile cf_;
  int market_ = 1;
  bool loading_ = false;
  int spans_ = 1;    // the span count the case holds
  QString profile_;  // the last designation taken
  mutable QString faultControl_;
  std::vector<ProfileChoice> profiles_;

  QLineEdit* rubrik_ = nullptr;
  QComboBox* pnamn_ = nullptr;
  OptionFrame* ptjl_ = nullptr;
  std::array<QAbstractButton*, 10> ptjlButtons_{};
  QCheckBox* locked_ = nullptr;
  QCheckBox* mikro_ = nullptr;

  QSpinBox* nfack_ = nullptr;
  std::array<NumberEdit*, kMaxSpans> spv_{};
  std::array<NumberEdit*, kMaxSpans> tjl_{};
  std::array<NumberEdit*, kMaxSpans + 1> upl_{};
  std::array<QLabel*, kMaxSpans> spanNo_{};
  QLabel* tjlLabel_ = nullptr;
  NumberEdit* konsv_ = nullptr;
  NumberEdit* konsh_ = nullptr;
  QCheckBox* mbv_ = nullptr;
  QCheckBox* mbh_ = nullptr;

  OptionFrame *anvo_, *typt_, *oflans_, *perfo_, *vandr_, *sido_, *uts_, *lasbalk_, *sno_;
  std::array<OptionFrame*, 5> classes_{};  // the class frame of each market, by code
  OptionFrame* iskiv_ = nullptr;
  NumberEdit *kvot_, *egt_, *taklu_, *last_, *qkar_, *qvan_, *qnorg_;
  NumberEdit *qvind_, *qvformf_, *qvformft_, *randz_, *lrandz_;
  NumberEdit *qvvind_, *formm_, *formfr_, *mym_, *myfr_, *lm_, *lfr_;
  NumberEdit *bnedb_, *lastf_;
  QCheckBox* ec3_ = nullptr;
  QLabel* lastfLabel_ = nullptr;
  QGroupBox *takBox_, *snoBox_, *snoMarkBox_, *vindTakBox_, *vindVaggBox_;
  QPushButton *visaMot_, *visaFran_;
};

}  // namespace kvop::editor
