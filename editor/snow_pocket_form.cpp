#include "snow_pocket_form.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "driver/case_layout.h"
#include "help.h"
#include "input_form.h"
#include "number_edit.h"

namespace kvop::editor {
namespace {

NumberEdit* field(QGridLayout* g, int row, const QString& label, const QString& name, int decimals,
                  double lo, double hi, float value) {
  auto* e = new NumberEdit(decimals, lo, hi);
  e->setObjectName(name);
  e->setValue(value);
  g->addWidget(new QLabel(label), row, 0);
  g->addWidget(e, row, 1);
  return e;
}

}  // namespace

SnowPocketForm::SnowPocketForm(InputForm& form, QWidget* parent)
    : QDialog(parent), form_(form), in_(form.data().in) {
  setWindowTitle(tr("Snöficka"));
  new QShortcut(QKeySequence::HelpContents, this, [this] { show_help(this, "snoficka"); });
  auto* top = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  top->addLayout(left);

  auto* ends = new QGroupBox(tr("Snödrift vid plåtens ändar"));
  auto* eg = new QGridLayout(ends);
  trivform_ = field(eg, 0, tr("Formfaktor vä"), "trivform", 2, 0, 20, in_.trivform);
  trivlgd_ = field(eg, 1, tr("Längd (m)"), "trivlgd", 2, 0, 100, in_.trivlgd);
  trihform_ = field(eg, 2, tr("Formfaktor hö"), "trihform", 2, 0, 20, in_.trihform);
  trihlgd_ = field(eg, 3, tr("Längd (m)"), "trihlgd", 2, 0, 100, in_.trihlgd);
  left->addWidget(ends);

  auto* extra = new QGroupBox(tr("Extra snöficka"));
  auto* xg = new QGridLayout(extra);
  xg->addWidget(new QLabel(tr("Fack nr (0 = ingen)")), 0, 0);
  nextra_ = new QSpinBox;
  nextra_->setObjectName("nextra");
  nextra_->setRange(0, in_.nfack);
  nextra_->setValue(std::clamp(in_.fickfack, 0, in_.nfack));
  xg->addWidget(nextra_, 0, 1);
  nextraForm_ = field(xg, 1, tr("Formfaktor"), "fickform", 2, 0, 20, in_.fickform);
  dextra_ = field(xg, 2, tr("Avstånd från vänster stöd (m)"), "dextra", 2, 0, 100, in_.fickavst);
  lextra1_ = field(xg, 3, tr("Längd (m)"), "lextra1", 2, 0, 100, in_.ficklgd);
  lextra2_ = field(xg, 4, tr("Längd max snö (m)"), "lextra2", 2, 0, 100, in_.fickmaxlgd);
  left->addWidget(extra);
  left->addStretch();
  auto* box = new QDialogButtonBox;
  box->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  box->addButton(tr("Avbryt"), QDialogButtonBox::RejectRole);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  left->addWidget(box);

  // The calculator.
  auto* calc = new QGroupBox(tr("Snödrift vid högre byggnad (EN 1991-1-3)"));
  auto* cg = new QGridLayout(calc);
  auto* dir = new QGroupBox(tr("Plåtriktning"));
  auto* dl = new QHBoxLayout(dir);
  direction_ = new QButtonGroup(this);
  auto* along = new QRadioButton(tr("Längs plåt"));
  auto* across = new QRadioButton(tr("Tvärs plåt"));
  along->setObjectName("langs");
  across->setObjectName("tvars");
  direction_->addButton(along, 0);
  direction_->addButton(across, 1);
  along->setChecked(true);
  dl->addWidget(along);
  dl->addWidget(across);
  cg->addWidget(dir, 0, 0, 1, 2);
  cg->addWidget(new QLabel(tr("Plåt nr från steget")), 1, 0);
  stegnr_ = new QSpinBox;
  stegnr_->setObjectName("stegnr");
  stegnr_->setRange(1, 99);
  stegnr_->setValue(1);
  cg->addWidget(stegnr_, 1, 1);
  cg->addWidget(new QLabel(tr("Antal plåtar över driftlängden")), 2, 0);
  nplat_ = new QSpinBox;
  nplat_->setObjectName("nplat");
  nplat_->setRange(1, 99);
  nplat_->setValue(2);
  cg->addWidget(nplat_, 2, 1);
  tl1_ = field(cg, 3, tr("b1, bredd högre byggnad (m)"), "tl1", 2, 0, 1000, 20.0f);
  tl2_ = field(cg, 4, tr("b2, bredd lägre byggnad (m)"), "tl2", 2, 0, 1000, 30.0f);
  th1_ = field(cg, 5, tr("h, höjdskillnad (m)"), "th1", 2, 0.01, 100, 3.0f);
  tb2_ = field(cg, 6, tr("Minsta driftlängd ls (m)"), "tb2", 2, 0, 100, 5.0f);
  tu3_ = field(cg, 7, tr("µ1, formfaktor lägre tak"), "tu3", 2, 0, 10, 0.8f);
  tgrader_ = field(cg, 8, tr("Taklutning högre tak (gr)"), "tgrader", 1, 0, 90, 3.6f);
  auto* compute = new QPushButton(tr("Beräkna >>"));
  compute->setObjectName("berakna");
  cg->addWidget(compute, 9, 0, 1, 2);
  top->addWidget(calc);

  auto* res = new QGroupBox(tr("RESULTAT:"));
  auto* rg = new QGridLayout(res);
  resultText_ = new QLabel;
  resultText_->setObjectName("resultat");
  resultText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  rg->addWidget(resultText_, 0, 0, 1, 2);
  tlastv_ = field(rg, 1, tr("Formfaktor vä"), "tlastv", 2, 0, 20, 0.8f);
  lfickav_ = field(rg, 2, tr("Längd (m)"), "lfickav", 2, 0, 100, 6.0f);
  tlasth_ = field(rg, 3, tr("Formfaktor hö"), "tlasth", 2, 0, 20, 0.8f);
  lfickah_ = field(rg, 4, tr("Längd (m)"), "lfickah", 2, 0, 100, 6.0f);
  auto* sl = new QPushButton(tr("Skicka vänster"));
  auto* sr = new QPushButton(tr("Skicka höger"));
  auto* sa = new QPushButton(tr("<<Skicka "));
  sl->setObjectName("skicka_vanster");
  sr->setObjectName("skicka_hoger");
  sa->setObjectName("skicka_tvars");
  sa->setToolTip(tr("Formfaktorn för plåten tvärs driften till takets formfaktor (snö)"));
  rg->addWidget(sl, 5, 0);
  rg->addWidget(sr, 5, 1);
  rg->addWidget(sa, 6, 0, 1, 2);
  sentText_ = new QLabel;
  sentText_->setObjectName("skickat");
  sentText_->setWordWrap(true);
  rg->addWidget(sentText_, 7, 0, 1, 2);
  rg->setRowStretch(8, 1);
  // Nothing is a result before "Beräkna >>": the fields stay empty and
  // nothing can be sent.
  for (NumberEdit* e : {tlastv_, lfickav_, tlasth_, lfickah_}) e->clear();
  sendButtons_ = {sl, sr, sa};
  for (QWidget* b : sendButtons_) b->setEnabled(false);
  top->addWidget(res);

  connect(compute, &QPushButton::clicked, this, &SnowPocketForm::calculate);
  connect(sl, &QPushButton::clicked, this, &SnowPocketForm::sendLeft);
  connect(sr, &QPushButton::clicked, this, &SnowPocketForm::sendRight);
  connect(sa, &QPushButton::clicked, this, &SnowPocketForm::sendAcross);
}

DriftInput SnowPocketForm::input() const {
  DriftInput d{};
  d.b1 = tl1_->valueOr(0);
  d.b2 = tl2_->valueOr(0);
  d.h = th1_->valueOr(0);
  d.ls_min = tb2_->valueOr(5);
  d.mu_min = tu3_->valueOr(0.8f);
  d.alpha = tgrader_->valueOr(0);
  d.sk = form_.snowLoad();
  return d;
}

double SnowPocketForm::acrossShape() const {
  // The sheet nearest the step starts at the step; each sheet carries the
  // drift's ordinate at its edge nearer the step, the larger one.
  const double x = (stegnr_->value() - 1) * result_.ls / nplat_->value();
  return drift_shape_at(result_, tu3_->valueOr(0.8f), x);
}

void SnowPocketForm::calculate() {
  const DriftInput d = input();
  result_ = snow_drift(d);
  const float mu2 = static_cast<float>(std::round(result_.mu2 * 100.0) / 100.0);
  const float ls = static_cast<float>(std::round(result_.ls * 100.0) / 100.0);
  QString text =
      tr("sk = %1 kN/m2\nµw = %2\nµs = %3\nµ2 = µs + µw = %4\nls = %5 m")
          .arg(QString::number(d.sk, 'f', 2), QString::number(result_.mu_w, 'f', 3),
               QString::number(result_.mu_s, 'f', 3), QString::number(result_.mu2, 'f', 3),
               QString::number(result_.ls, 'f', 2));
  if (direction_->checkedId() == 1)
    text += tr("\nPlåt nr %1 tvärs driften: µ = %2")
                .arg(stegnr_->value())
                .arg(acrossShape(), 0, 'f', 3);
  resultText_->setText(text);
  tlastv_->setValue(mu2);
  lfickav_->setValue(ls);
  tlasth_->setValue(mu2);
  lfickah_->setValue(ls);
  for (QWidget* b : sendButtons_) b->setEnabled(true);
}

void SnowPocketForm::sendLeft() {
  trivform_->setText(tlastv_->text());
  trivlgd_->setText(lfickav_->text());
}

void SnowPocketForm::sendRight() {
  trihform_->setText(tlasth_->text());
  trihlgd_->setText(lfickah_->text());
}

void SnowPocketForm::sendAcross() {
  if (result_.ls <= 0) calculate();
  pendingShape_ = static_cast<float>(std::round(acrossShape() * 100.0) / 100.0);
  sentText_->setText(
      tr("Formfaktor (snö) %1 förs in i fallet med OK.").arg(format_number(*pendingShape_, 2)));
}

void SnowPocketForm::accept() {
  for (const NumberEdit* e : findChildren<NumberEdit*>())
    if (!e->acceptable() && !(e->text().isEmpty() && (e == tlastv_ || e == lfickav_ ||
                                                       e == tlasth_ || e == lfickah_))) {
      QMessageBox::warning(this, tr("Snöficka"), tr("Felaktigt värde \"%1\".").arg(e->text()));
      return;
    }
  const int span = nextra_->value();
  const CaseFile now = form_.currentCase();
  // The engine's rule: a pocket it places starts within its span (the
  // span's overflow slot included); one beyond it belongs to a later span.
  CaseFile probe = now;
  probe.in.fickfack = span;
  probe.in.fickform = *nextraForm_->value();
  probe.in.fickavst = *dextra_->value();
  if (span > 0 && !rule_fault(CaseRule::pocket_distance, probe).what.empty()) {
    QMessageBox::warning(this, tr("Snöficka"),
                         tr("Snöfickans avstånd %1 m ligger utanför fack nr %2 (spännvidd %3 m).")
                             .arg(dextra_->text())
                             .arg(span)
                             .arg(format_number(now.in.spv(span), 3)));
    return;
  }
  const float roofShape = pendingShape_.value_or(now.in.snoform);
  if (span > 0 && !(*nextraForm_->value() > roofShape))
    QMessageBox::information(this, tr("Snöficka"),
                             tr("Snöfickan räknas inte: dess formfaktor är inte större än takets "
                                "formfaktor (snö)."));
  InputCase& in = form_.data().in;
  in.trivform = *trivform_->value();
  in.trivlgd = *trivlgd_->value();
  in.trihform = *trihform_->value();
  in.trihlgd = *trihlgd_->value();
  in.fickfack = nextra_->value();
  in.fickform = *nextraForm_->value();
  in.fickavst = *dextra_->value();
  in.ficklgd = *lextra1_->value();
  in.fickmaxlgd = *lextra2_->value();
  if (pendingShape_) form_.setSnowShape(*pendingShape_);
  form_.dataEdited();
  QDialog::accept();
}

}  // namespace kvop::editor
