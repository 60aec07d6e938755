#include "wind_form.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <cmath>

#include "help.h"
#include "input_form.h"
#include "number_edit.h"

namespace kvop::editor {
namespace {

// A spin box for lengths that takes a decimal comma as a point.
class LengthSpin : public QDoubleSpinBox {
 public:
  LengthSpin() {
    setLocale(QLocale::c());
    setDecimals(2);
    setRange(1.0, 200.0);
    setSingleStep(0.5);
  }
  QValidator::State validate(QString& text, int& pos) const override {
    QString t = text;
    t.replace(',', '.');
    return QDoubleSpinBox::validate(t, pos);
  }
  double valueFromText(const QString& text) const override {
    QString t = text;
    t.replace(',', '.');
    return QDoubleSpinBox::valueFromText(t);
  }
};

}  // namespace

WindForm::WindForm(InputForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowTitle(tr("Beräkna vindlast"));
  new QShortcut(QKeySequence::HelpContents, this, [this] { show_help(this, "vindlast"); });
  auto* g = new QGridLayout(this);
  g->addWidget(new QLabel(tr("Referensvindhastighet (m/s) :")), 0, 0);
  tvref_ = new NumberEdit(0, 1, 100);
  tvref_->setObjectName("tvref");
  tvref_->setValue(22.0f);
  g->addWidget(tvref_, 0, 1);
  g->addWidget(new QLabel(tr("Byggnadens höjd:")), 1, 0);
  bhojd_ = new LengthSpin;
  bhojd_->setObjectName("bhojd");
  bhojd_->setValue(6.0);
  bhojd_->setSuffix(" m");
  g->addWidget(bhojd_, 1, 1);
  auto* ter = new QGroupBox(tr("Terrängtyp"));
  auto* tl = new QHBoxLayout(ter);
  tertyp_ = new QButtonGroup(this);
  const char* names[5] = {"0", "I", "II", "III", "IV"};
  for (int t = 0; t < 5; ++t) {
    auto* b = new QRadioButton(names[t]);
    b->setObjectName(QString("tertyp%1").arg(t));
    tertyp_->addButton(b, t);
    tl->addWidget(b);
  }
  tertyp_->button(2)->setChecked(true);
  g->addWidget(ter, 2, 0, 1, 2);
  auto* compute = new QPushButton(tr("Beräkna >>"));
  compute->setObjectName("berakna");
  g->addWidget(compute, 3, 0, 1, 2);
  auto* res = new QGroupBox(tr("Resultat:"));
  auto* rl = new QHBoxLayout(res);
  resultText_ = new QLabel;
  resultText_->setObjectName("resultat");
  resultText_->setMinimumWidth(240);
  resultText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  rl->addWidget(resultText_);
  g->addWidget(res, 0, 2, 4, 1);
  auto* sendButton = new QPushButton(tr("Skicka värde >>"));
  sendButton->setObjectName("skicka");
  auto* cancel = new QPushButton(tr("Avbryt"));
  g->addWidget(sendButton, 4, 2);
  g->addWidget(cancel, 4, 0);
  connect(compute, &QPushButton::clicked, this, &WindForm::calculate);
  connect(sendButton, &QPushButton::clicked, this, &WindForm::send);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void WindForm::calculate() {
  result_ = peak_velocity_pressure(tvref_->valueOr(22.0f), bhojd_->value(), tertyp_->checkedId());
  computed_ = true;
  resultText_->setText(
      QString("qb = %1 kN/m2\nkr = %2\ncr(z) = %3\nIv(z) = %4\nqp(z) = %5 kN/m2")
          .arg(QString::number(result_.qb, 'f', 4), QString::number(result_.kr, 'f', 3),
               QString::number(result_.cr, 'f', 3), QString::number(result_.Iv, 'f', 3),
               QString::number(result_.qp, 'f', 3)));
}

void WindForm::send() {
  if (!computed_) calculate();
  form_.setWindBasic(static_cast<float>(std::round(result_.qp * 1000.0) / 1000.0));
  accept();
}

}  // namespace kvop::editor
